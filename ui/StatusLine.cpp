#include "ui/StatusLine.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>

namespace tooling::ui {

namespace {
constexpr int kPadding = 6;  // room above and below the text, in pixels
}

StatusLine::StatusLine(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAutoFillBackground(true);
}

void StatusLine::SetTexts(const QString& left, const QString& middle, const QString& right) {
    left_ = left;
    middle_ = middle;
    right_ = right;
    update();
}

QSize StatusLine::sizeHint() const {
    const QFontMetrics metrics(font());
    const int width = metrics.horizontalAdvance(left_ + middle_ + right_);
    return {width, metrics.height() + 2 * kPadding};
}

QSize StatusLine::minimumSizeHint() const {
    return {0, sizeHint().height()};
}

void StatusLine::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font());
    const int top = (height() - metrics.height()) / 2;
    const int baseline = top + metrics.ascent();
    painter.drawText(0, baseline, left_);
    painter.drawText((width() - metrics.horizontalAdvance(middle_)) / 2, baseline, middle_);
    painter.drawText(width() - metrics.horizontalAdvance(right_), baseline, right_);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, 0, width() - 1, 0);
}

}  // namespace tooling::ui
