#include "ZtButtonDesignerPlugin.h"

#include "ztbuttons/ZtButton.h"

#include <QPainter>
#include <QPixmap>

namespace ztbuttons {

QString ZtButtonDesignerPlugin::name() const {
    return QStringLiteral("ztbuttons::ZtButton");
}

QString ZtButtonDesignerPlugin::group() const {
    return QStringLiteral("Buttons");
}

QString ZtButtonDesignerPlugin::toolTip() const {
    return QStringLiteral("Custom-drawn button, check box or option button");
}

QString ZtButtonDesignerPlugin::whatsThis() const {
    return QStringLiteral("A push button, check box or option button in eight styles and nine shapes, with "
                          "gradients, hover colours, pictures and caption effects.");
}

QString ZtButtonDesignerPlugin::includeFile() const {
    return QStringLiteral("ztbuttons/ZtButton.h");
}

QIcon ZtButtonDesignerPlugin::icon() const {
    // A small drawn button: the widget box shows what the widget is.
    QPixmap pixmap(22, 22);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(64, 64, 64));
    painter.setBrush(QColor(122, 192, 221));
    painter.drawRoundedRect(QRectF(1.5, 5.5, 19, 11), 3, 3);
    return QIcon(pixmap);
}

QWidget* ZtButtonDesignerPlugin::createWidget(QWidget* parent) {
    auto* button = new ZtButton(parent);
    button->setDesignMode(true);
    return button;
}

QString ZtButtonDesignerPlugin::domXml() const {
    return QStringLiteral(R"(<ui language="c++">
 <widget class="ztbuttons::ZtButton" name="ztButton">
  <property name="geometry"><rect><x>0</x><y>0</y><width>105</width><height>25</height></rect></property>
  <property name="Caption"><string>ZtButton</string></property>
 </widget>
 <customwidgets>
  <customwidget>
   <class>ztbuttons::ZtButton</class>
   <extends>QWidget</extends>
   <header>ztbuttons/ZtButton.h</header>
  </customwidget>
 </customwidgets>
</ui>
)");
}

} // namespace ztbuttons
