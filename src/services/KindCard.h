#pragma once

#include "ArchiveKinds.h"
#include "shell/card/CardWindow.h"

// A card window's configuration as its archive's description gives it: layout, file, caption,
// help page and the kind its services are registered for.
inline CardWindow::Config kindCardConfig(const ArchiveKind &kind)
{
    CardWindow::Config config(*kind.layout, kind.fileName, kind.caption, kind.helpPage);
    config.kind = kind.name;
    return config;
}
