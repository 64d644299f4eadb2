#pragma once
// Field caption with a point at its left: a visible point (a 4 px dot in the accent
// colour) marks a required field. The space of the point is kept when it is hidden,
// so captions of a form stay aligned.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QLabel>

namespace QorvaGUIToolkit {

class QORVAGUITOOLKIT_EXPORT CLabelWithLeftPoint : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(bool leftPointVisible READ isLeftPointVisible WRITE setLeftPointVisible)
public:
    explicit CLabelWithLeftPoint(QWidget *parent = nullptr);
    explicit CLabelWithLeftPoint(const QString &text, QWidget *parent = nullptr);

    void setLeftPointVisible(bool visible);
    bool isLeftPointVisible() const { return m_pointVisible; }
    /// Colour of the point (the skin's accent colour by default).
    void setPointColor(const QColor &color);
    QColor pointColor() const;

    static constexpr int PointDiameter = 4;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void updateMargins();

    bool m_pointVisible = false;
    QColor m_pointColor;
};

} // namespace QorvaGUIToolkit
