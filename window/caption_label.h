// A label as the planner draws it: its whole rectangle in its back colour,
// an optional thin frame, and a caption that wraps at blanks, keeps its
// blanks, and is cut off at the bottom edge. It never takes the focus.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace planner {

class CaptionLabel : public QWidget {
    Q_OBJECT
public:
    CaptionLabel(Qt::Alignment alignment, bool border, QWidget* parent);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

    // An invalid colour paints the palette's window (face) colour.
    void setBackColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    Qt::Alignment alignment_;
    bool border_;
    QColor backColor_;
};

} // namespace planner
