#pragma once
// The page's content arrives with its own work; the shell already creates, shows and
// permission-checks it.

#include <UI/Window/Application/Widget.h>

namespace visitorclient {

class AccessPointGroupWidget : public Widget
{
    Q_OBJECT
public:
    explicit AccessPointGroupWidget(QWidget *parent = nullptr);

    void activatePage() override;
    void setPageEnabled(bool enabled) override;
    /// The operator's function permission as last given by the main window.
    bool hasPermission() const { return m_bPermission; }

private:
    bool m_bPermission = true;
};

} // namespace visitorclient
