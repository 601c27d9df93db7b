#include "ui/window_style.h"

#include <QApplication>
#include <QProxyStyle>

namespace tallyra {

namespace {

class WindowStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ToolTip_WakeUpDelay)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

void apply_window_style() {
    QApplication::setStyle(new WindowStyle);
}

} // namespace tallyra
