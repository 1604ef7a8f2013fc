#pragma once

#include <QString>
#include <QWidget>
#include <optional>

#include "tools/ToolOutline.h"

namespace tooling::ui {

// A picture of a tool's outline, scaled to fit, with the tool's centre marked, a caption at the
// top (the angle it sits at) and a note at the bottom. Without an outline it shows only the note.
class OutlineView : public QWidget {
    Q_OBJECT

  public:
    explicit OutlineView(QWidget* parent = nullptr);

    void Show(std::optional<tools::ToolOutline> outline, const QString& caption,
              const QString& note);

    const std::optional<tools::ToolOutline>& outline() const { return outline_; }
    const QString& caption() const { return caption_; }
    const QString& note() const { return note_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<tools::ToolOutline> outline_;
    QString caption_;
    QString note_;
};

}  // namespace tooling::ui
