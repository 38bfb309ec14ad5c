#pragma once
// The toolkit layer: positions in twips, the font families the screens name, picture
// values, and the few control kinds that Qt lacks (a clickable label, the
// picture box and image). Screens build their controls with the factories at
// the bottom, which give each control its control name and accessible name.

#include <QFont>
#include <QLabel>
#include <QWidget>
#include <functional>
#include <memory>

class QGroupBox;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace twips {

// At 100 % scale one logical pixel is 15 twips; Qt's device pixel ratio takes
// care of denser screens.
inline constexpr double kPerPixel = 15.0;

struct Rect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    bool operator==(const Rect&) const = default;
};

int toPixels(double twips);

// The twip geometry of a widget is kept exactly as the logic wrote it; the
// pixel geometry is derived from it.
Rect rect(const QWidget* widget);
void setRect(QWidget* widget, const Rect& rect);
double left(const QWidget* widget);
double top(const QWidget* widget);
double width(const QWidget* widget);
double height(const QWidget* widget);
void setLeft(QWidget* widget, double left);
void setTop(QWidget* widget, double top);
void setWidth(QWidget* widget, double width);
void setHeight(QWidget* widget, double height);

} // namespace twips

namespace fonts {

enum Style { Regular = 0, Bold = 1, Italic = 2 };

// The installed face that stands in for a family the screens name.
QString substitute(const QString& family);

// Sizes are the screens' points at 96 dots per inch, so text keeps its
// place in a twip layout whatever the screen's own dots per inch.
QFont font(const QString& family, double points, int style = Regular);

// The toolkit's default face: "MS Sans Serif" 8.25 pt.
QFont standard();

} // namespace fonts

// An immutable picture value. It is drawn from vectors at the resolution of
// the device it is painted on, so it stays crisp at any scale. Two pictures
// are equal when they show the same artwork (the same key).
class Picture {
public:
    using Draw = std::function<void(QPainter&)>;

    Picture() = default;
    Picture(QString key, QSize size, Draw draw);

    bool isNull() const { return !data_; }
    QString key() const;
    QSize size() const;  // in logical pixels

    void paint(QPainter& painter, QPointF topLeft) const;
    QImage render(qreal devicePixelRatio) const;

    friend bool operator==(const Picture& a, const Picture& b) { return a.key() == b.key(); }

private:
    struct Data;
    std::shared_ptr<Data> data_;
};

// A label whose background can be opaque or transparent and which raises
// Click, as the classic labels do.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget* parent);

    void setOpaque(bool opaque);
    bool isOpaque() const { return autoFillBackground(); }
    void setBackColor(const QColor& color);
    QColor backColor() const;
    void setForeColor(const QColor& color);
    void setBorder(bool single);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

// The picture box and the image: a picture drawn from the top-left corner of
// the client area, an optional border and background, and Click.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    enum class Border { None, Single, Sunken };

    PictureBox(QWidget* parent, Border border);

    void setPicture(const Picture& picture);
    const Picture& picture() const { return picture_; }
    void setBackColor(const QColor& color);  // an invalid colour is transparent
    QColor backColor() const { return backColor_; }
    // Redraws at once, before the caller's next step.
    void refresh();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Border border_;
    Picture picture_;
    QColor backColor_;
    bool pressed_ = false;
};

// A line or rectangle drawn as stored; it takes no clicks.
class Shape : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Line, Rectangle };
    Shape(QWidget* parent, Kind kind);
    // For a line: its two ends in the parent's twips.
    void setLine(double x1, double y1, double x2, double y2);
    void setColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
    QLineF line_;  // in twips, relative to the parent
    QColor color_ = Qt::black;
};

namespace controls {

// The caption as read aloud: "&" marks an access key and "&&" is one "&".
QString plainCaption(const QString& caption);

QPushButton* commandButton(QWidget* parent, const QString& name, const QString& caption,
                           const twips::Rect& rect);
Label* label(QWidget* parent, const QString& name, const QString& caption, const twips::Rect& rect);
QRadioButton* optionButton(QWidget* parent, const QString& name, const QString& caption,
                           const twips::Rect& rect);
QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption, const twips::Rect& rect);
// A picture box: sunken border and the window background colour.
PictureBox* pictureBox(QWidget* parent, const QString& name, const twips::Rect& rect);
// An image: transparent, and without a border unless asked for one.
PictureBox* image(QWidget* parent, const QString& name, const twips::Rect& rect,
                  PictureBox::Border border = PictureBox::Border::None);
QScrollBar* hScrollBar(QWidget* parent, const QString& name, const twips::Rect& rect);
Shape* line(QWidget* parent, const QString& name, double x1, double y1, double x2, double y2);
Shape* rectangle(QWidget* parent, const QString& name, const twips::Rect& rect);

// A control-array element is named like "lblNumber(7)".
QString indexed(const QString& name, int index);

// Sets the background colour of a form, frame or other plain widget.
void setBackColor(QWidget* widget, const QColor& color);

} // namespace controls
