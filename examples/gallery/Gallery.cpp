// The ZtButton gallery: the eight styles in every shape, and a button whose
// main properties the controls on the right change while you watch. Its
// settings can be shown as text, edited, applied, and saved to or loaded from
// a file. "--screenshot FILE" saves a picture of the window and ends.
#include <ztbuttons/ZtButton.h>

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

using ztbuttons::ZtButton;

namespace {

// A picture whose corner colour (white) is see-through: its blue blob is the
// outline of the custom shapes.
QPixmap BlobPicture() {
    QPixmap picture(72, 40);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(70, 130, 200));
    painter.drawRoundedRect(QRect(2, 4, 68, 32), 16, 16);
    painter.setBrush(QColor(250, 200, 60));
    painter.drawEllipse(QRect(8, 12, 16, 16));
    return picture;
}

QComboBox* Choices(const QStringList& names) {
    auto* box = new QComboBox;
    box->addItems(names);
    return box;
}

class Gallery final : public QWidget {
  public:
    Gallery() {
        setWindowTitle("ZtButton gallery");
        auto* layout = new QHBoxLayout(this);
        layout->addWidget(StylesAndShapes(), 1);
        layout->addWidget(TryIt());
    }

  private:
    QGroupBox* StylesAndShapes() {
        auto* group = new QGroupBox("ButtonStyle (rows) and ButtonShape (columns)");
        auto* grid = new QGridLayout(group);
        const QStringList shapes{"0 rect",    "1 left",     "2 right",  "3 both",  "4 ellipse",
                                 "5 ellipse", "6 outlined", "7 custom", "8 custom"};
        for (int shape = 0; shape < shapes.size(); ++shape)
            grid->addWidget(new QLabel(shapes[shape]), 0, shape + 1, Qt::AlignCenter);
        const QPixmap blob = BlobPicture();
        for (int style = 0; style < 8; ++style) {
            grid->addWidget(new QLabel(QString("Style %1").arg(style)), style + 1, 0);
            for (int shape = 0; shape < shapes.size(); ++shape) {
                auto* button = new ZtButton(QString("&Style %1").arg(style));
                button->setButtonStyle(style);
                if (shape >= 7) {
                    button->setCaption(QString::number(style));
                    button->setPicture(blob);
                }
                button->setButtonShape(shape);
                if (shape >= 4 && shape <= 6)
                    button->setBackColor(QColor(122, 192, 221));
                if (style % 2 == 1) { // every other row shows a gradient
                    button->setGradientColor(QColor(255, 255, 255));
                    button->setGradientMode(style % 4 == 1 ? 1 : 3);
                }
                grid->addWidget(button, style + 1, shape + 1);
            }
        }
        grid->setRowStretch(9, 1); // spare height below the rows
        return group;
    }

    QGroupBox* TryIt() {
        auto* group = new QGroupBox("Try it");
        auto* form = new QFormLayout(group);
        sample_ = new ZtButton("&Synchronise");
        sample_->setButtonStyle(2);
        sample_->setBackColor(QColor(122, 192, 221));
        sample_->setForeColor(QColor(0, 0, 192));
        form->addRow(sample_);
        auto* clicks = new QLabel("Not clicked yet");
        form->addRow(clicks);
        connect(sample_, &ZtButton::clicked, clicks, [this, clicks] {
            ++clicked_;
            clicks->setText(QString("Clicked %1 times, Value %2").arg(clicked_).arg(sample_->value()));
        });

        auto* style = Choices({"0", "1", "2", "3", "4", "5", "6", "7"});
        style->setCurrentIndex(2);
        connect(style, &QComboBox::currentIndexChanged, sample_, &ZtButton::setButtonStyle);
        form->addRow("ButtonStyle", style);
        auto* shape =
            Choices({"0 rectangle", "1 left slant", "2 right slant", "3 both slanted", "4 ellipse",
                     "5 ellipse", "6 outlined ellipse", "7 custom (picture)", "8 custom, gradient"});
        connect(shape, &QComboBox::currentIndexChanged, this, [this](int value) {
            if (value >= 7 && sample_->picture().isNull())
                sample_->setPicture(BlobPicture()); // the custom shapes need a picture first
            sample_->setButtonShape(value);
        });
        connect(sample_, &ZtButton::buttonShapeChanged, shape, &QComboBox::setCurrentIndex);
        form->addRow("ButtonShape", shape);
        auto* mode = Choices({"0 command", "1 check box", "2 option"});
        connect(mode, &QComboBox::currentIndexChanged, sample_, &ZtButton::setMode);
        form->addRow("Mode", mode);
        auto* caption = new QLineEdit(sample_->caption());
        connect(caption, &QLineEdit::textChanged, sample_, &ZtButton::setCaption);
        form->addRow("Caption", caption);
        auto* captionStyle = Choices({"0 flat", "1 embossed", "2 engraved"});
        connect(captionStyle, &QComboBox::currentIndexChanged, sample_, &ZtButton::setCaptionStyle);
        form->addRow("CaptionStyle", captionStyle);
        auto* gradient = Choices({"0 none", "1", "2", "3", "4"});
        connect(gradient, &QComboBox::currentIndexChanged, sample_, &ZtButton::setGradientMode);
        form->addRow("GradientMode", gradient);
        form->addRow("BackColor", ColourButton("BackColor"));
        form->addRow("GradientColor", ColourButton("GradientColor"));
        form->addRow("ForeColor", ColourButton("ForeColor"));
        auto* picture = new QCheckBox("Picture");
        connect(picture, &QCheckBox::toggled, this,
                [this](bool on) { sample_->setPicture(on ? BlobPicture().scaled(32, 32) : QPixmap()); });
        form->addRow(picture);
        auto* enabled = new QCheckBox("Enabled");
        enabled->setChecked(true);
        connect(enabled, &QCheckBox::toggled, sample_, &QWidget::setEnabled);
        form->addRow(enabled);

        settings_ = new QPlainTextEdit;
        settings_->setPlaceholderText("The button's settings as text");
        form->addRow(settings_);
        auto* buttons = new QHBoxLayout;
        auto* show = new QPushButton("Show");
        connect(show, &QPushButton::clicked, this,
                [this] { settings_->setPlainText(sample_->saveSettings()); });
        auto* apply = new QPushButton("Apply");
        connect(apply, &QPushButton::clicked, this, [this] {
            if (!sample_->loadSettings(settings_->toPlainText()))
                settings_->appendPlainText("# not a button's settings");
        });
        auto* save = new QPushButton("Save…");
        connect(save, &QPushButton::clicked, this, [this] {
            QFile file(QFileDialog::getSaveFileName(this, "Save settings", "button.ztb"));
            if (file.open(QIODevice::WriteOnly))
                file.write(sample_->saveSettings().toUtf8());
        });
        auto* load = new QPushButton("Load…");
        connect(load, &QPushButton::clicked, this, [this] {
            QFile file(QFileDialog::getOpenFileName(this, "Load settings"));
            if (file.open(QIODevice::ReadOnly))
                sample_->loadSettings(QString::fromUtf8(file.readAll()));
        });
        for (QPushButton* button : {show, apply, save, load})
            buttons->addWidget(button);
        form->addRow(buttons);
        return group;
    }

    // A button that picks the sample's colour property of that name.
    QPushButton* ColourButton(const char* property) {
        auto* button = new QPushButton("Choose…");
        connect(button, &QPushButton::clicked, this, [this, property] {
            const QColor now = ZtButton::resolvedColor(sample_->property(property).value<QColor>());
            const QColor colour = QColorDialog::getColor(now, this);
            if (colour.isValid())
                sample_->setProperty(property, colour);
        });
        return button;
    }

    ZtButton* sample_ = nullptr;
    QPlainTextEdit* settings_ = nullptr;
    int clicked_ = 0;
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    Gallery gallery;
    gallery.show();
    const QStringList arguments = QApplication::arguments();
    const qsizetype screenshot = arguments.indexOf("--screenshot");
    if (screenshot > 0 && screenshot + 1 < arguments.size()) {
        QTimer::singleShot(300, &gallery, [&] {
            gallery.grab().save(arguments.at(screenshot + 1));
            QApplication::quit();
        });
    }
    return QApplication::exec();
}
