#pragma once
// How many persons come with the visitor. The form keeps this section out of sight; the
// count only travels from the loaded record to the saved one.

#include "FormSection.h"

class QLineEdit;

namespace visitorclient {

class AccompanyingPersonnelWidget : public FormSection
{
    Q_OBJECT
public:
    explicit AccompanyingPersonnelWidget(QWidget *parent = nullptr);

    bool checkInput() override;
    void resetInput() override;
    void setCount(int count);
    int count() const;

public slots:
    void onBasicSettingDataChanged() override;

private:
    QLineEdit *m_pCountEdit;
    FormField m_field;
};

} // namespace visitorclient
