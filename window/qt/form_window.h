// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Any builder's form in Qt (builder/form.h): a window of its own beside
// the planner's, modeless, its items top to bottom in Qt's layouts inside
// a scroll area (a choice as radio buttons in a group box, a list as a
// combo box, a field and a row's fields as line edits under their labels,
// consecutive buttons side by side, the results as a grid, the picture
// drawn by the core's shapes). Every action goes to the session, and what
// it answers is applied: a problem shows by its field with the warning
// icon and is the field's description for readers; Tab follows the form's
// order, rows added included; readers are told the chief figures once
// typing pauses. Pairs pasted into a row's field, by the keys, the context
// menu, a middle click or a drop, fill the rows. Closed, the window keeps
// what was typed for the next time it opens.
#pragma once

#include <functional>
#include <vector>

#include <QWidget>

#include "window/session.h"

class QLabel;
class QLineEdit;
class QTimer;
class QVBoxLayout;

namespace planner {

class ScreenReaders;

class FormWindow : public QWidget {
public:
    // Form f of session's builder's forms; host applies the changes of
    // every form an action made (this one's through apply).
    FormWindow(Session& session, int f, std::function<void(const FormChanges&)> host,
               QWidget* planner);
    ~FormWindow() override;

    // Redraws what u names, and does what it asks.
    void apply(const form::Update& u);

    // What a test reaches as a user would: a field's or button's widget, a
    // choice's button for an option; the sentence shown by a field.
    QWidget* widget(const form::Cell& c) const;
    QWidget* option(int item, int option) const;
    QString problemShown(const form::Cell& c) const;
    // The results shown, a label and its value a line; an item's widgets.
    QString resultsShown() const;
    QWidget* box(int item) const;
    ScreenReaders* readers() const { return readers_; }

private:
    struct Built; // each item's widgets
    void build();
    void buildItem(int i, QVBoxLayout* column, QLayout*& buttons);
    QWidget* field(const form::Cell& c, QWidget* parent);
    void addRows(int item);
    void redraw(int item);
    void showProblems(int item);
    void relinkTabs();
    bool pasteRows(const form::Cell& c, const QString& text);
    void act(const FormChanges& changes);
    const form::Presenter& presenter() const { return session_.forms()[form_]; }

    Session& session_;
    int form_;
    std::function<void(const FormChanges&)> host_;
    ScreenReaders* readers_;
    QTimer* pause_;
    std::vector<Built> built_;
};

} // namespace planner
