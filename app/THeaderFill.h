#pragma once
#include <QColor>
#include <QWidget>

// A section's header bar: a vertical gradient in 16 bands with a left-aligned caption.
class THeaderFill : public QWidget
{
    Q_OBJECT
public:
    THeaderFill(const QString &caption, QWidget *parent = nullptr);

    void setColors(QColor start, QColor end, QColor caption);

    QColor startColor() const { return m_start; }
    QColor endColor() const { return m_end; }
    QColor captionColor() const { return m_caption; }
    QString caption() const { return m_text; }

    // Colour of band i (0-15), interpolated linearly per channel from start to end.
    static QColor bandColor(QColor start, QColor end, int band);
    static constexpr int Bands = 16;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
    QColor m_start, m_end, m_caption;
};
