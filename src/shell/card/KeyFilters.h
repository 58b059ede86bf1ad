#pragma once

#include "CardTypes.h"

#include <QObject>

// One event filter per key rule, installed on the control that receives the keys (for a combo box
// the combo itself). A typed character the rule refuses is discarded; keys that type nothing
// (Enter, Tab, Backspace, Delete, arrows, Ctrl shortcuts such as paste) always pass.
class KeyFilter : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    // The filter for a rule. Every filter also refuses the characters the archive cannot store.
    static KeyFilter *create(KeyRule rule, QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    virtual bool accepts(QChar c) const = 0;
};

// Any character the archive can store.
class StorableTextFilter : public KeyFilter
{
    Q_OBJECT
public:
    using KeyFilter::KeyFilter;

protected:
    bool accepts(QChar) const override { return true; }
};

class DigitsOnlyFilter : public KeyFilter
{
    Q_OBJECT
public:
    using KeyFilter::KeyFilter;

protected:
    bool accepts(QChar c) const override;
};

class DigitsCommaFilter : public KeyFilter
{
    Q_OBJECT
public:
    using KeyFilter::KeyFilter;

protected:
    bool accepts(QChar c) const override;
};

class RestrictedTextFilter : public KeyFilter
{
    Q_OBJECT
public:
    using KeyFilter::KeyFilter;
    // True for the characters a restricted field refuses ("&" included).
    static bool isRestricted(QChar c);

protected:
    bool accepts(QChar c) const override;
};

class RestrictedTextAmpersandFilter : public RestrictedTextFilter
{
    Q_OBJECT
public:
    using RestrictedTextFilter::RestrictedTextFilter;

protected:
    bool accepts(QChar c) const override;
};

// For drop-down lists whose value is only picked: every key that would edit the text, shortcuts
// included, is discarded; Enter, Tab, Escape and the list's movement keys pass.
class NoTypingFilter : public KeyFilter
{
    Q_OBJECT
public:
    using KeyFilter::KeyFilter;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool accepts(QChar) const override { return false; }
};
