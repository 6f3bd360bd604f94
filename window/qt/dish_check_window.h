// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The dish check in Qt: a window of its own beside the planner's, modeless,
// with the form the core describes (builder/check_form): round or offset,
// the unit, the fields, and for a round dish rows of a position and a
// depth that grow as the user adds rows or pastes pairs (Ctrl+V in a row,
// or Paste rows). The results follow every keystroke and the planner's
// frequency; a problem shows as a sentence under its field, which readers
// get as the field's description, and nothing typed is touched. Readers
// are told the chief results once typing pauses for a second.
#pragma once

#include <functional>
#include <vector>

#include <QWidget>

#include "window/session.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTimer;

namespace planner {

class ScreenReaders;

class DishCheckWindow : public QWidget {
    Q_OBJECT
public:
    // The check of session's window; setPlanner moves its bars to a setting.
    DishCheckWindow(const Session& session, std::function<void(const BarSetting&)> setPlanner,
                    QWidget* planner);

    // The planner's frequency may have changed: the results again, unannounced.
    void refresh();

    // What a test reaches as a user would.
    QLineEdit* field(Field f, int row = -1) const;
    QRadioButton* shape(DishShape s) const;
    QComboBox* unit() const { return unit_; }
    QPushButton* setButton() const { return set_; }
    QPushButton* pasteButton() const { return paste_; }
    // The value shown for a result's label; "" for none.
    QString result(const QString& label) const;
    // The problems shown, one a line.
    QString problems() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildRound();
    QWidget* buildOffset();
    QLineEdit* addField(QGridLayout* grid, int line, Field f, int row = -1);
    void addRow();
    void pasteAt(int row);
    DishInput input() const;
    void update(bool announce);
    void showResults(const DishCheck& c);

    const Session& session_;
    std::function<void(const BarSetting&)> setPlanner_;
    ScreenReaders* readers_;
    QRadioButton *round_, *offset_;
    QComboBox* unit_;
    QLabel* howTo_;
    QStackedWidget* pages_;
    QLineEdit *diameter_, *width_, *height_, *depth_;
    QGridLayout* rows_;
    std::vector<std::pair<QLineEdit*, QLineEdit*>> rowFields_;
    QPushButton *add_, *paste_, *set_;
    QLabel *problems_, *notes_;
    QGridLayout* results_;
    QTimer* pause_;
    DishCheck check_;
};

} // namespace planner
