#pragma once

#include <QWidget>

#include <optional>

namespace orv {

// A gable roof in section over the building width, marked with its height and pitch. Values not known yet
// are drawn with a question mark over a roof of the default pitch.
class RoofSketch final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RoofSketch)

  public:
    explicit RoofSketch(QWidget* parent = nullptr);

    void setRoof(float width, std::optional<float> height, std::optional<int> pitch);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString heightText() const;
    QString pitchText() const;

    float m_width = 0;
    std::optional<float> m_height;
    std::optional<int> m_pitch;
};

} // namespace orv
