#pragma once
// One window command of the framework: parses the call's envelope, carries the command
// out and fills the reply record.

#include <Logical/Communication/Cmd/LpcCmd/IWindowResourceManager.h>

#include <LPC_Client/LPCData.h>

#include <QObject>

#include <string>

namespace visitorclient {

class CLpcCmd : public QObject
{
    Q_OBJECT
public:
    /// Both records belong to the caller and outlive the command.
    CLpcCmd(lpcclient::tag_LPCReplyData &reply, const lpcclient::tag_LPCCallBackData &data);

    /// "getWndHandle": creates the window on first use (on the GUI thread) and answers its id.
    void getWndId();
    /// "showWnd": asks the GUI thread to show the window; does not wait.
    void showWnd();
    /// "switchUserUpdateFrame": takes the new operator's rights from the framework, then
    /// tells the client-common observers to refresh.
    void switchUserUpdateFrame();
    /// "clientDisconnected" and "componentUninit": asks the application to quit.
    void exitProcess();

    /// Asks the framework for the current operator's rights and hands them to the shared
    /// user configuration. Blocking: not on the GUI thread after start-up. False (logged,
    /// the previous rights kept) when the framework does not answer.
    static bool refreshPermissions();

    /// Copies the call identity, source and headers into the reply and sets its body.
    void setReply(const std::string &json);

    /// The manager the window commands ask; null until the UI layer registers one
    /// (without it "getWndHandle" answers -1 and "showWnd" shows nothing). Any thread.
    static void setWindowResourceManager(IWindowResourceManager *manager);
    static IWindowResourceManager *windowResourceManager();

private:
    lpcclient::tag_LPCReplyData &m_reply;
    const lpcclient::tag_LPCCallBackData &m_data;
};

} // namespace visitorclient
