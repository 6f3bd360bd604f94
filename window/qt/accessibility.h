// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader gets of the Qt window, beyond what Qt gives each
// widget: the window is a frame with a title; each label is read by its
// spoken form (its meaning and unit around the caption) while its text
// stays the caption exactly as shown; a vanished bar or an empty figure is
// not on the screen for a reader; the scroll bars are named by quantity
// and describe every figure (Orca's Where Am I reads it); and after each
// change an accessible-only notification announces the figures it rewrote.
#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace planner {

class Session;

// Lets the planner's windows give readers what this file says; once, after
// the QApplication exists (Qt asks the factories newest first, and its own
// come with the application).
void installAccessibility();

class ScreenReaders : public QObject {
    Q_OBJECT
public:
    // For window, whose figures session holds.
    ScreenReaders(QWidget* window, const Session& session);
    ~ScreenReaders() override;

    // control shows design row, or is a picture (a builder's form's);
    // before anything asks for its interface.
    static constexpr int picture = -2;
    void add(QWidget* control, int row);

    const Session& session() const { return session_; }
    QString announcement() const { return announcement_; }

    // Announces text to screen readers; nothing for an empty text.
    // Example: after Down on the diameter bar at start-up, "Diameter 11
    // inches, 279.4 millimetres. Focal length 3.78 inches, ...".
    void announce(const QString& text);

private:
    const Session& session_;
    QString announcement_;
};

} // namespace planner
