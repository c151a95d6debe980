#pragma once

#include <QLineEdit>

#include <functional>
#include <optional>

namespace orv {

// A line edit of the settings window: every typed character passes its filter first (a "." may become ","),
// optional letters open a tool instead, and the up/down keys step a whole number within its spin range.
class FilteredEdit final : public QLineEdit
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FilteredEdit)

  public:
    using Filter = std::function<std::optional<QChar>(QChar)>;

    explicit FilteredEdit(QWidget* parent = nullptr);

    void setFilter(Filter filter) { m_filter = std::move(filter); }
    // Letters (lower case; upper case counts too) that are never typed but reported by toolLetter.
    void setToolLetters(const QString& letters) { m_toolLetters = letters; }
    void setSpinRange(int low, int high);

  signals:
    void keyReleased();
    void toolLetter(QChar letter);
    // Before a step of the spin range changes the text.
    void aboutToStep();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

  private:
    void step(int delta);

    Filter m_filter;
    QString m_toolLetters;
    std::optional<std::pair<int, int>> m_spin;
};

} // namespace orv
