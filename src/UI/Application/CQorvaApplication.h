#pragma once
// The component's application: start parameters, skins, style, the logical layer,
// translations and locale, in a fixed order, and their orderly shutdown.

#include "QtModuleApplication.h"

#include <QList>
#include <QStringList>

class QTranslator;

namespace visitorclient {

class CQorvaApplication : public publicClient::QtModuleApplication
{
    Q_OBJECT
public:
    CQorvaApplication(const QString &name, int &argc, char **argv);
    ~CQorvaApplication() override;

    /// Plug-in path, skins, style, logical layer, translations, locale. False when the
    /// logical layer could not start.
    bool init();
    void loadSkin();
    /// False when the style or the style sheet is missing.
    bool loadStyle();
    bool initLogical();
    void loadTranslator();
    void initLocal();
    /// False when a pool or the message-loop thread did not start.
    bool initBase();
    /// Takes the logical layer down; safe to call more than once.
    void unInit();
    void unInitLogical();

    QString skinKey() const { return m_strSkinKey; }
    int language() const { return m_iLanguage; }
    int skinVariant() const { return m_iSkinVariant; }
    /// Skin directory chosen by loadSkin() ("dark" before).
    QString skinDirectory() const;
    /// Plug-in names that loadSkin() found, in load order.
    QStringList loadedSkinPlugins() const { return m_loadedSkinPlugins; }
    bool isRightToLeft() const;

public slots:
    void onQuit();

private:
    // Steps of initLogical() whose services come with the framework link; each enters
    // its service into the clean-up list.
    // Each logs its success line only when it succeeded, else its error.
    void initAppRscManager();
    bool initLpcLink();
    bool initCmdManager();
    bool initComponentDB();
    bool sendInitFinish();

    QString m_strSkinKey;
    int m_iLanguage = 0;
    int m_iSkinVariant = 0;
    QStringList m_loadedSkinPlugins;
    QList<QTranslator *> m_translators;
};

} // namespace visitorclient
