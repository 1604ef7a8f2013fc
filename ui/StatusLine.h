#pragma once

#include <QString>
#include <QWidget>

namespace tooling::ui {

// The status line at the foot of the main window: three texts drawn in the widget's own font,
// vertically centred, at the left edge, in the middle and at the right edge.
class StatusLine : public QWidget {
    Q_OBJECT

  public:
    explicit StatusLine(QWidget* parent = nullptr);

    // Replaces the three texts and redraws the line.
    void SetTexts(const QString& left, const QString& middle, const QString& right);

    const QString& leftText() const { return left_; }
    const QString& middleText() const { return middle_; }
    const QString& rightText() const { return right_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString left_;
    QString middle_;
    QString right_;
};

}  // namespace tooling::ui
