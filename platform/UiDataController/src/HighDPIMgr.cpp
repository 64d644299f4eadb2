#include <UiDataController/HighDPIMgr.h>

#include <Base/Log.h>

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdlib>
#include <cstring>

namespace UiDataController {

namespace {

double parseFactor(const char *text)
{
    if (!text || !*text)
        return 0;
    char *end = nullptr;
    const double value = std::strtod(text, &end);
    if (end == text || *end != '\0' || value < 0.5 || value > 4.0)
        return 0;
    return value;
}

} // namespace

void CHighDPIMgr::doHighDPI(int argc, char **argv)
{
    if (QCoreApplication::instance()) {
        LOG_WARN("doHighDPI called after the application was created; ignored.");
        return;
    }
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);

    double factor = parseFactor(std::getenv("QORVA_SCALE_FACTOR"));
    static const char kOption[] = "--scale-factor=";
    for (int i = 1; argv && i < argc; ++i) {
        if (argv[i] && std::strncmp(argv[i], kOption, sizeof(kOption) - 1) == 0)
            factor = parseFactor(argv[i] + sizeof(kOption) - 1);
    }
    if (factor > 0) {
        qputenv("QT_SCALE_FACTOR", QByteArray::number(factor));
        m_scaleFactor = factor;
    }
    LOG_INFO("High DPI scaling on. [factor-%.2f]", factor);
}

} // namespace UiDataController

template class Base::CSingleton<UiDataController::CHighDPIMgr>;
