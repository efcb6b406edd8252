// ztbuttons::ZtButton: the ztButtons_H button control as a Qt widget.
//
// A custom-drawn push button, check box or option button in eight styles and
// nine shapes, with gradients, hover colours, pictures and caption effects.
// Every property of the control is a Q_PROPERTY under the control's own name
// (setProperty("ButtonStyle", 2) works) with the control's own checks: a value
// out of range or a refused combination changes nothing and emits nothing.
// Each property has a NOTIFY signal, emitted whenever its value changed, also
// when another assignment changed it on the way. Enabled and Font are
// QWidget's own.
//
// Colours are QColor. A system colour (the control's colours may follow the
// desktop's, as BackColor does by default: button face) is a QColor with
// alpha 0 whose red channel is the system colour's index: systemColor(15) is
// the button face, systemColor(18) the button text. Reading a colour gives
// such a value back for a system colour; resolvedColor() turns any of them
// into the RGB colour that is drawn. Every other colour is opaque.
//
// The control's events are signals with the control's arguments. Mouse
// positions are in the widget's coordinates; buttons 1 left, 2 right,
// 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt; key codes are Windows virtual-key
// codes. Drag and drop is Qt's: with acceptDrops set, a drag over the button
// emits oleDragOver (state 0 enter, 2 over, 1 leave) and a drop oleDragDrop;
// startDrag() drags from the button, emitting oleStartDrag, oleSetData for
// each format a target asks for that the data does not hold yet,
// oleGiveFeedback while the action changes and oleCompleteDrag at the end.
// Effects: 0 none, 1 copy, 2 move.
//
// saveSettings() gives every property that differs from its default as text
// (one "Key = value" line each); loadSettings() reads such text back exactly.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <memory>

#if defined(ZTBUTTONS_BUILDING)
#define ZTBUTTONS_EXPORT Q_DECL_EXPORT
#else
#define ZTBUTTONS_EXPORT Q_DECL_IMPORT
#endif

class QMimeData;

namespace ztbuttons {

class ZTBUTTONS_EXPORT ZtButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int ButtonStyle READ buttonStyle WRITE setButtonStyle NOTIFY buttonStyleChanged)
    Q_PROPERTY(int Mode READ mode WRITE setMode NOTIFY modeChanged)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption NOTIFY captionChanged)
    Q_PROPERTY(int CaptionAlign READ captionAlign WRITE setCaptionAlign NOTIFY captionAlignChanged)
    Q_PROPERTY(int CaptionStyle READ captionStyle WRITE setCaptionStyle NOTIFY captionStyleChanged)
    Q_PROPERTY(int CustomClick READ customClick WRITE setCustomClick NOTIFY customClickChanged)
    Q_PROPERTY(int ButtonShape READ buttonShape WRITE setButtonShape NOTIFY buttonShapeChanged)
    Q_PROPERTY(QPixmap Picture READ picture WRITE setPicture NOTIFY pictureChanged)
    Q_PROPERTY(int PictureAlign READ pictureAlign WRITE setPictureAlign NOTIFY pictureAlignChanged)
    Q_PROPERTY(bool ShowFocusRect READ showFocusRect WRITE setShowFocusRect NOTIFY showFocusRectChanged)
    Q_PROPERTY(bool Value READ value WRITE setValue NOTIFY valueChanged)
    Q_PROPERTY(int PictureSize READ pictureSize WRITE setPictureSize NOTIFY pictureSizeChanged)
    Q_PROPERTY(int MousePointer READ mousePointer WRITE setMousePointer NOTIFY mousePointerChanged)
    Q_PROPERTY(QPixmap MouseIcon READ mouseIcon WRITE setMouseIcon NOTIFY mouseIconChanged)
    Q_PROPERTY(int FontStyle READ fontStyle WRITE setFontStyle NOTIFY fontStyleChanged)
    Q_PROPERTY(QColor ForeColor READ foreColor WRITE setForeColor NOTIFY foreColorChanged)
    Q_PROPERTY(QColor BackColor READ backColor WRITE setBackColor NOTIFY backColorChanged)
    Q_PROPERTY(QColor GradientColor READ gradientColor WRITE setGradientColor NOTIFY gradientColorChanged)
    Q_PROPERTY(int GradientMode READ gradientMode WRITE setGradientMode NOTIFY gradientModeChanged)
    Q_PROPERTY(bool ResetDefaultColors READ resetDefaultColors WRITE setResetDefaultColors NOTIFY
                   resetDefaultColorsChanged STORED false)
    Q_PROPERTY(
        int HoverColorLocks READ hoverColorLocks WRITE setHoverColorLocks NOTIFY hoverColorLocksChanged)
    Q_PROPERTY(QColor HoverForeColor READ hoverForeColor WRITE setHoverForeColor NOTIFY hoverForeColorChanged)
    Q_PROPERTY(QColor HoverBackColor READ hoverBackColor WRITE setHoverBackColor NOTIFY hoverBackColorChanged)

  public:
    explicit ZtButton(QWidget* parent = nullptr);
    explicit ZtButton(const QString& caption, QWidget* parent = nullptr);
    ~ZtButton() override;

    // 0..7: the eight drawing styles.
    int buttonStyle() const;
    void setButtonStyle(int style);
    // 0 command button, 1 check box, 2 option button (one checked per parent widget).
    int mode() const;
    void setMode(int mode);
    // "&" marks the access key (Alt + key clicks), "&&" is an ampersand, "||" a line break.
    QString caption() const;
    void setCaption(const QString& caption);
    // 0 left, 1 right, 2 centre; only centre while a picture sits above or below.
    int captionAlign() const;
    void setCaptionAlign(int align);
    // 0 flat, 1 embossed, 2 engraved.
    int captionStyle() const;
    void setCaptionStyle(int style);
    // 0..8: how a custom-shaped button moves when pressed.
    int customClick() const;
    void setCustomClick(int option);
    // 0 rectangle, 1 left slant, 2 right slant, 3 both, 4 and 5 ellipse, 6 ellipse
    // with outline, 7 and 8 the opaque pixels of the picture (set a bitmap first).
    int buttonShape() const;
    void setButtonShape(int shape);
    // A bitmap; setPictureData also takes icon and cursor files (ICO, CUR).
    QPixmap picture() const;
    void setPicture(const QPixmap& picture);
    bool setPictureData(const QByteArray& fileBytes); // false: not a picture
    // 0 left edge, 1 left of the caption, 2 right edge, 3 right of the caption, 4 top, 5 bottom.
    int pictureAlign() const;
    void setPictureAlign(int align);
    bool showFocusRect() const;
    void setShowFocusRect(bool show);
    // Checked state of check boxes and option buttons; never true for a command button.
    bool value() const;
    void setValue(bool value);
    // 0..4: 16, 24, 32 pixels, stretched over the face, fitted to the face.
    int pictureSize() const;
    void setPictureSize(int size);
    // 0 default, 1..15 the standard pointers, 99 the MouseIcon.
    int mousePointer() const;
    void setMousePointer(int pointer);
    QPixmap mouseIcon() const;
    void setMouseIcon(const QPixmap& icon); // also makes the pointer 99; a null pixmap clears it
    // Bits of the font: 2 bold, 4 italic, 8 underline.
    int fontStyle() const;
    void setFontStyle(int style);
    QColor foreColor() const;
    void setForeColor(const QColor& color);
    QColor backColor() const;
    void setBackColor(const QColor& color);
    QColor gradientColor() const;
    void setGradientColor(const QColor& color);
    // 0 none, 1..4 the gradient directions from BackColor to GradientColor.
    int gradientMode() const;
    void setGradientMode(int mode);
    // Reads false. True while designing resets every colour to the desktop's.
    bool resetDefaultColors() const { return false; }
    void setResetDefaultColors(bool reset);
    // Which hover colours follow the normal ones: 0 both, 1 fore only, 2 back only, 3 none.
    int hoverColorLocks() const;
    void setHoverColorLocks(int locks);
    QColor hoverForeColor() const;
    void setHoverForeColor(const QColor& color);
    QColor hoverBackColor() const;
    void setHoverBackColor(const QColor& color);

    // A system colour by its index (15 button face, 18 button text, ...), and back.
    static QColor systemColor(int index);
    static bool isSystemColor(const QColor& color);
    static QColor resolvedColor(const QColor& color); // the RGB colour drawn for it

    // The settings in the control's property-bag text, and back. Loading
    // replaces every setting (absent keys take their defaults); text that is
    // not a property bag changes nothing and returns false.
    QString saveSettings() const;
    bool loadSettings(const QString& settings);

    // True suppresses every redraw until delayDrawing(false) or refresh(),
    // which draw once: bracket a series of assignments with it.
    void delayDrawing(bool delay);
    void refresh();

    // While designing, refused assignments explain themselves in a message box
    // and resetDefaultColors works; the Designer plugin switches it on.
    void setDesignMode(bool designMode);
    bool designMode() const;

    // Pixels of the screen per pixel of the widget that the control draws at.
    qreal drawingPixelRatio() const;
    // Drawn pushed: the left button or Space is held on it.
    bool isDown() const;
    // The character after the caption's access-key marker ("" when none): Alt and it click.
    QString accessKey() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  public slots:
    // What a click of the left button does: toggles a check box, checks an
    // option button, and emits clicked().
    void click();
    // Drags from the button with the given effects (1 copy, 2 move); returns the effect taken.
    int startDrag(int allowedEffects = 1);

  signals:
    void mouseDown(int button, int shift, float x, float y);
    void mouseUp(int button, int shift, float x, float y);
    void mouseMove(int button, int shift, float x, float y);
    void keyDown(int keyCode, int shift);
    void keyPress(int keyAscii);
    void keyUp(int keyCode, int shift);
    void mouseOnButton(bool onButton);
    void clicked();
    void doubleClicked(int button);
    void oleCompleteDrag(int effect);
    void oleDragDrop(const QMimeData* data, int effect, int button, int shift, float x, float y);
    void oleDragOver(const QMimeData* data, int effect, int button, int shift, float x, float y, int state);
    void oleGiveFeedback(int effect, bool defaultCursors);
    void oleSetData(QMimeData* data, const QString& format);
    void oleStartDrag(QMimeData* data, int allowedEffects);

    void buttonStyleChanged(int style);
    void modeChanged(int mode);
    void captionChanged(const QString& caption);
    void captionAlignChanged(int align);
    void captionStyleChanged(int style);
    void customClickChanged(int option);
    void buttonShapeChanged(int shape);
    void pictureChanged();
    void pictureAlignChanged(int align);
    void showFocusRectChanged(bool show);
    void valueChanged(bool value);
    void pictureSizeChanged(int size);
    void mousePointerChanged(int pointer);
    void mouseIconChanged();
    void fontStyleChanged(int style);
    void foreColorChanged(const QColor& color);
    void backColorChanged(const QColor& color);
    void gradientColorChanged(const QColor& color);
    void gradientModeChanged(int mode);
    void resetDefaultColorsChanged();
    void hoverColorLocksChanged(int locks);
    void hoverForeColorChanged(const QColor& color);
    void hoverBackColorChanged(const QColor& color);

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    class Impl;
    std::unique_ptr<Impl> d_;
};

} // namespace ztbuttons
