#pragma once
// The product's widget style: Fusion underneath, with the metrics the skins' style
// sheets are drawn for (flat focus, thin scroll bars, quick tool tips).

#include <QProxyStyle>

class CQorvaStyle : public QProxyStyle
{
    Q_OBJECT
public:
    CQorvaStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
};
