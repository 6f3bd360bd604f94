// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/qt/accessibility.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QHash>
#include <QLabel>
#include <QScrollBar>

#include "window/qt/text.h"
#include "window/session.h"

namespace planner {

namespace {

// Each control of a planner window, with its window's readers and its
// design row; a window itself with row -1.
struct Registered {
    const ScreenReaders* readers;
    int row;
};
QHash<const QObject*, Registered>& registry()
{
    static QHash<const QObject*, Registered> controls;
    return controls;
}

// A label: read by its spoken form, its text the caption as shown. Its
// characters report no extents, so that Orca's flat review reads the name.
class AccessibleLabel : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    AccessibleLabel(QLabel* l, Registered r)
        : QAccessibleWidget(l, QAccessible::StaticText), session_(r.readers->session()), row_(r.row)
    {
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString caption() const { return qobject_cast<QLabel*>(widget())->text(); }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return qs(session_.spoken(row_));
        if (t == QAccessible::Description)
            return qs(session_.description(row_));
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (session_.hidden(row_))
            s.invisible = s.offscreen = true;
        return s;
    }
    QString text(int start, int end) const override { return caption().mid(start, end - start); }
    int characterCount() const override { return int(caption().size()); }
    QRect characterRect(int) const override { return {}; }
    QString textAtOffset(int, QAccessible::TextBoundaryType, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return caption();
    }
    QString textBeforeOffset(int, QAccessible::TextBoundaryType, int* s, int* e) const override
    {
        *s = *e = -1;
        return {};
    }
    QString textAfterOffset(int o, QAccessible::TextBoundaryType t, int* s, int* e) const override
    {
        return textBeforeOffset(o, t, s, e);
    }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    const Session& session_;
    int row_;
};

// A scroll bar: its value, and its description (every figure now shown),
// computed when asked, so no change event disturbs the reader.
class AccessibleScrollBar : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    AccessibleScrollBar(QScrollBar* b, Registered r)
        : QAccessibleWidget(b, QAccessible::ScrollBar), session_(r.readers->session()), row_(r.row)
    {
    }
    QScrollBar* bar() const { return qobject_cast<QScrollBar*>(widget()); }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QString::number(bar()->value());
        if (t == QAccessible::Description)
            return qs(session_.description(row_));
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return bar()->value(); }
    void setCurrentValue(const QVariant& v) override { bar()->setValue(v.toInt()); }
    QVariant maximumValue() const override { return bar()->maximum(); }
    QVariant minimumValue() const override { return bar()->minimum(); }
    QVariant minimumStepSize() const override { return bar()->singleStep(); }

private:
    const Session& session_;
    int row_;
};

// The announcement: an accessible-only notification, a child of the window
// for readers and nowhere on the screen.
class AccessibleAnnouncement : public QAccessibleObject {
public:
    explicit AccessibleAnnouncement(ScreenReaders* r) : QAccessibleObject(r) {}
    const ScreenReaders* readers() const { return qobject_cast<ScreenReaders*>(object()); }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(readers()->parent());
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? readers()->announcement() : QString();
    }
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
};

// The window: a frame, so that its title is read, with the announcement as
// its last child.
class AccessibleWindow : public QAccessibleWidget {
public:
    AccessibleWindow(QWidget* w, QAccessibleInterface* announcement)
        : QAccessibleWidget(w, QAccessible::Window), announcement_(announcement)
    {
    }
    int childCount() const override { return QAccessibleWidget::childCount() + 1; }
    QAccessibleInterface* child(int i) const override
    {
        return i == QAccessibleWidget::childCount() ? announcement_ : QAccessibleWidget::child(i);
    }
    int indexOfChild(const QAccessibleInterface* c) const override
    {
        return c == announcement_ ? QAccessibleWidget::childCount()
                                  : QAccessibleWidget::indexOfChild(c);
    }

private:
    QAccessibleInterface* announcement_;
};

QAccessibleInterface* factory(const QString&, QObject* o)
{
    if (auto* r = qobject_cast<ScreenReaders*>(o))
        return new AccessibleAnnouncement(r);
    const auto found = registry().constFind(o);
    if (found == registry().constEnd())
        return nullptr; // Qt's own
    const Registered r = *found;
    if (auto* w = qobject_cast<QWidget*>(o); w && r.row == ScreenReaders::picture)
        return new QAccessibleWidget(w, QAccessible::Graphic); // its name and description its own
    if (auto* label = qobject_cast<QLabel*>(o))
        return new AccessibleLabel(label, r);
    if (auto* bar = qobject_cast<QScrollBar*>(o))
        return new AccessibleScrollBar(bar, r);
    if (auto* w = qobject_cast<QWidget*>(o); w && r.row < 0)
        return new AccessibleWindow(
            w, QAccessible::queryAccessibleInterface(const_cast<ScreenReaders*>(r.readers)));
    return nullptr;
}

} // namespace

void installAccessibility()
{
    QAccessible::installFactory(factory);
}

ScreenReaders::ScreenReaders(QWidget* window, const Session& session)
    : QObject(window), session_(session)
{
    add(window, -1);
}

ScreenReaders::~ScreenReaders()
{
    registry().removeIf([this](const auto& entry) { return entry.value().readers == this; });
}

void ScreenReaders::add(QWidget* control, int row)
{
    registry().insert(control, {this, row});
}

void ScreenReaders::announce(const QString& text)
{
    if (text.isEmpty())
        return;
    announcement_ = text;
    QAccessibleInterface* self = QAccessible::queryAccessibleInterface(this);
    if (!self)
        return; // no readers' interface installed: nobody to tell
    QAccessibleEvent named(self, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent shown(self, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace planner
