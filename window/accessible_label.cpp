#include "window/accessible_label.h"

#include <QAccessibleWidget>

#include "window/caption_label.h"
#include "window/design.h"

namespace planner {

namespace {

class AccessibleCaptionLabel : public QAccessibleWidget {
public:
    explicit AccessibleCaptionLabel(CaptionLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<CaptionLabel*>(widget())->caption();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* labelFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(CaptionLabel::staticMetaObject.className()))
        return new AccessibleCaptionLabel(static_cast<CaptionLabel*>(object));
    return nullptr;
}

QString inches(int radius)
{
    return radius == 1 ? QStringLiteral("1 inch") : QStringLiteral("%1 inches").arg(radius);
}

QString describe(const ControlDesign& d)
{
    if (d.name == "label8")
        return QStringLiteral("Depth at %1 from the centre").arg(inches(d.index));
    if (d.name == "label7")
        return QStringLiteral("Bar for the depth at %1 from the centre").arg(inches(d.index));
    static const std::pair<std::string_view, const char*> meanings[] = {
        {"lblFreq", "Frequency in MHz"},
        {"lblDiam", "Diameter in inches"},
        {"lblFdr", "F/D ratio"},
        {"lblGain", "Gain as a power ratio"},
        {"lblDepth", "Depth in inches"},
        {"lblFlen", "Focal length in inches"},
        {"vsbFreq", "Frequency in MHz"},
        {"vsbDiam", "Diameter in inches"},
        {"vsbDepth", "Depth in tenths of an inch"},
    };
    for (const auto& [name, meaning] : meanings)
        if (d.name == name)
            return QString::fromLatin1(meaning);
    return {};
}

} // namespace

void installAccessibleLabels()
{
    static const bool installed = (QAccessible::installFactory(labelFactory), true);
    Q_UNUSED(installed);
}

void describeForScreenReaders(QWidget* widget, const ControlDesign& d)
{
    const QString meaning = describe(d);
    if (meaning.isEmpty())
        return;
    if (d.kind == Kind::ScrollBar)
        widget->setAccessibleName(meaning);
    else if (d.tooltip.empty()) // a tooltip stays the description
        widget->setAccessibleDescription(meaning);
}

} // namespace planner
