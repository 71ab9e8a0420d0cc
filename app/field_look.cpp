#include "app/field_look.h"

#include <QLineEdit>
#include <QProxyStyle>
#include <QStringList>

namespace orvex::app {

namespace {

constexpr char kStyleName[] = "RuntimeControlStyle";
constexpr int kIndicatorSize = 11;
constexpr int kEditFrameWidth = 1;

class RuntimeStyle final : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override
    {
        switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
            return kIndicatorSize;
        case PM_DefaultFrameWidth:
            if (qobject_cast<const QLineEdit*>(widget) != nullptr) return kEditFrameWidth;
            break;
        default:
            break;
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

QFont runtimeFont(int pixels)
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Nimbus Sans Narrow"),
                      QStringLiteral("Arial Narrow"), QStringLiteral("DejaVu Sans Condensed")});
    font.setPixelSize(pixels);
    return font;
}

QStyle* runtimeStyle(QWidget* owner)
{
    // Looked up among the owner's direct children, which are few: the controls move to their
    // pages as soon as they are placed.
    if (auto* style = owner->findChild<QStyle*>(QLatin1String(kStyleName), Qt::FindDirectChildrenOnly))
        return style;
    auto* style = new RuntimeStyle;
    style->setObjectName(QLatin1String(kStyleName));
    style->setParent(owner);
    return style;
}

} // namespace orvex::app
