// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/qt/accessibility.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QLabel>
#include <QScrollBar>

#include "window/control_model.h"
#include "window/spoken.h"

namespace planner {

namespace {

int designRow(const QObject* o)
{
    return o->property("designRow").isValid() ? o->property("designRow").toInt() : -1;
}

QString qstr(const std::string& s)
{
    return QString::fromStdString(s);
}

ScreenReaders* readersOf(const QWidget* w)
{
    return w->window()->findChild<ScreenReaders*>(QString(), Qt::FindDirectChildrenOnly);
}

// A label: read by its spoken form, its text the caption as shown. Its
// characters report no extents, so that Orca's flat review reads the name.
class AccessibleLabel : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleLabel(QLabel* l) : QAccessibleWidget(l, QAccessible::StaticText) {}
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString caption() const { return qobject_cast<QLabel*>(widget())->text(); }
    const ControlDesign& design() const { return designTable()[designRow(widget())]; }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return qstr(spokenForm(design(), caption().toStdString()));
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (hiddenFromReaders(design(), caption().toStdString(), float(widget()->height())))
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
};

// A scroll bar: its value, and as description every figure now shown,
// computed when asked, so no change event disturbs the reader.
class AccessibleScrollBar : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleScrollBar(QScrollBar* b) : QAccessibleWidget(b, QAccessible::ScrollBar) {}
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
            if (const ScreenReaders* readers = readersOf(widget()))
                return qstr(
                    changeAnnouncement(std::vector<std::string>(controlCount), readers->model()));
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return bar()->value(); }
    void setCurrentValue(const QVariant& v) override { bar()->setValue(v.toInt()); }
    QVariant maximumValue() const override { return bar()->maximum(); }
    QVariant minimumValue() const override { return bar()->minimum(); }
    QVariant minimumStepSize() const override { return bar()->singleStep(); }
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
    if (auto* label = qobject_cast<QLabel*>(o); label && designRow(label) >= 0)
        return new AccessibleLabel(label);
    if (auto* bar = qobject_cast<QScrollBar*>(o); bar && designRow(bar) >= 0)
        return new AccessibleScrollBar(bar);
    auto* w = qobject_cast<QWidget*>(o);
    if (w && w->isWindow())
        if (ScreenReaders* r = readersOf(w))
            return new AccessibleWindow(w, QAccessible::queryAccessibleInterface(r));
    if (auto* r = qobject_cast<ScreenReaders*>(o))
        return new AccessibleAnnouncement(r);
    return nullptr;
}

} // namespace

ScreenReaders::ScreenReaders(QWidget* window, const ControlModel& model)
    : QObject(window), model_(model)
{
    // After QApplication: factories are asked newest first, and Qt's own,
    // installed with the application, answers for every widget.
    static const bool installed = (QAccessible::installFactory(factory), true);
    Q_UNUSED(installed);
}

void ScreenReaders::announce(const QString& text)
{
    if (text.isEmpty())
        return;
    announcement_ = text;
    QAccessibleInterface* self = QAccessible::queryAccessibleInterface(this);
    QAccessibleEvent named(self, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent shown(self, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace planner
