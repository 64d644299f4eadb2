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
    void loadStyle();
    bool initLogical();
    void loadTranslator();
    void initLocal();
    void initBase();
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
    void initAppRscManager();
    void initLpcLink();
    void initCmdManager();
    void initComponentDB();
    void sendInitFinish();

    QString m_strSkinKey;
    int m_iLanguage = 0;
    int m_iSkinVariant = 0;
    QStringList m_loadedSkinPlugins;
    QList<QTranslator *> m_translators;
};

} // namespace visitorclient
