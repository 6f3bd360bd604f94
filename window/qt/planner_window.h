// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The planner window in Qt: widgets built from the design table at 15 twips
// per logical pixel, the user's actions forwarded to the session, and what
// it returns applied to the widgets. Beyond the controls, the design's
// commands: in a context menu on the window (a right click on it or on a
// figure; Shift+F10 or the Menu key anywhere in it), each on Ctrl and its
// key. A scroll bar keeps its own menu for the mouse.
#pragma once

#include <array>
#include <vector>

#include <QWidget>

#include "window/qt/template_printer.h"
#include "window/session.h"

class QLabel;
class QMenu;
class QPushButton;
class QScrollBar;

namespace planner {

class FormWindow;
class ScreenReaders;

class PlannerWindow : public QWidget {
    Q_OBJECT
public:
    // Builds every control, then raises Form_Load, so the first show already
    // holds the computed figures and the profile. ask is what asks for a
    // printer when the template is to be printed.
    explicit PlannerWindow(QWidget* parent = nullptr, AskPrinter ask = askWithPrintDialog);

    QScrollBar* scrollBar(Ctl bar) const;
    // The context menu, for readers' tests; built once.
    QMenu* menu() const { return menu_; }
    // What the window shows, for tests; the window of builder's form f,
    // once opened, else null.
    const Session& session() const { return session_; }
    FormWindow* formWindow(int f) const { return forms_.at(f); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void buildCommands();
    void connectEvents();
    void apply(const Update& u);
    void applyForms(const FormChanges& changes);
    void run(std::size_t command);
    void showMenuAtFocus();
    QWidget* focusable(Ctl c) const; // a bar, or Exit

    Session session_;
    std::array<QLabel*, controlCount> labels_{}; // by design row; null for the others
    std::array<QScrollBar*, controlCount> bars_{};
    QPushButton* exit_ = nullptr;
    ScreenReaders* readers_ = nullptr;
    QMenu* menu_ = nullptr;
    AskPrinter ask_;
    std::vector<FormWindow*> forms_; // each made when first asked for
    bool following_ = false;         // the forms will follow the window's figures
};

} // namespace planner
