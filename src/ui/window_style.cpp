#include "ui/window_style.h"

#include "ui/fonts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <QTranslator>

namespace tallyra {

namespace {

class WindowStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ToolTip_WakeUpDelay)
            return 0;
        // Alt alone reaches the menu bar, as on every desktop.
        if (hint == SH_MenuBar_AltKeyNavigation)
            return 1;
        // Dialog buttons carry their words alone.
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    // The room the style leaves for a menu item's text falls a pixel short
    // of the text's advance when the text is the menu's longest, and the
    // style then cuts it in the middle («عدد ...لمات»): every item takes two
    // pixels more, so that each text shows whole.
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        QSize out = QProxyStyle::sizeFromContents(type, option, size, widget);
        if (type == CT_MenuItem)
            out.rwidth() += 2;
        return out;
    }

    // The menu bar's item reached from the keyboard shows as chosen, as the
    // item under the mouse does.
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (element == CE_MenuBarItem && widget && widget->hasFocus() &&
            (option->state & State_Selected)) {
            if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
                QStyleOptionMenuItem chosen = *item;
                chosen.state |= State_Sunken;
                QProxyStyle::drawControl(element, &chosen, painter, widget);
                return;
            }
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

} // namespace

void apply_window_style() {
    QApplication::setStyle(new WindowStyle);
    QApplication::setFont(interface_font());
    QApplication::setWindowIcon(program_icon());
}

bool install_arabic_translation() {
    static QTranslator translator;
    if (!translator.isEmpty())
        return true;
    if (!translator.load(QLocale(QLocale::Arabic), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&translator);
}

QIcon program_icon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/tallyra-%1.png").arg(size), QSize(size, size));
    return icon;
}

QString tooltip_lines(const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(u'\r', u'\n');
    return lines;
}

} // namespace tallyra
