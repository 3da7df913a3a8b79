#pragma once

#include <QColor>
#include <QLineEdit>

namespace shortcuts {

// A locked, empty text box whose background shows the colour a shortcut's caption takes. It
// tells a screen reader the colour too.
class ColourSwatch : public QLineEdit {
    Q_OBJECT

  public:
    explicit ColourSwatch(QWidget* parent);

    QColor colour() const { return colour_; }
    void setColour(const QColor& colour);

  private:
    QColor colour_;
};

} // namespace shortcuts
