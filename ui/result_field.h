#pragma once

#include <QLabel>

namespace orv {

// A read-only result field: right-aligned text on the input background in a thin frame. Being a label,
// its text is its accessible name and its hint (tool tip) its accessible description.
class ResultField final : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ResultField)

  public:
    explicit ResultField(const QString& name, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace orv
