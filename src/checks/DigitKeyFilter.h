#pragma once

#include <QObject>

// Lets only the digits 0-9 be typed into the edit it is installed on. Editing and moving keys
// (Backspace, Delete, arrows, shortcuts) pass; pasted text and text set by the program are not
// filtered.
class DigitKeyFilter : public QObject
{
    Q_OBJECT
public:
    explicit DigitKeyFilter(QObject *parent = nullptr) : QObject(parent) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
