#include <UI/Application/QtModuleApplication.h>

#include <Base/LogCapture.h>

#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolTip>
#include <QtTest>

#include <stdexcept>

namespace {

// Counts tool-tip events that reach the widget itself.
template <typename Base>
class Counting : public Base
{
public:
    using Base::Base;
    int toolTipEvents = 0;
    int fontChanges = 0;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::ToolTip)
            ++toolTipEvents;
        if (event->type() == QEvent::ApplicationFontChange)
            ++fontChanges;
        return Base::event(event);
    }
};

// Throws from its handler. A plain object on purpose: Qt's widget event paths are built
// without unwinding support, so an exception crossing them leaks what their frames hold
// (a widget pointer guard), and the catch under test is the same for every receiver.
class Throwing : public QObject
{
protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::User)
            throw std::runtime_error("handler failed");
        return QObject::event(event);
    }
};

bool sendToolTip(QWidget *widget)
{
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), widget->mapToGlobal(QPoint(2, 2)));
    return QCoreApplication::sendEvent(widget, &help);
}

} // namespace

class TestModuleApplication : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QToolTip::hideText(); }
    void keepsItsName();
    void toolTipPrefersTheToolTipProperty();
    void comboBoxWithoutToolTipShowsCurrentText();
    void lineEditWithoutToolTipGetsTheEvent();
    void labelShowsItsText();
    void fontAndPaletteChangesAreSwallowed();
    void showMarksParentsMapped();
    void exceptionInHandlerIsCaught();
};

void TestModuleApplication::keepsItsName()
{
    auto *app = qobject_cast<publicClient::QtModuleApplication *>(qApp);
    QVERIFY(app);
    QCOMPARE(app->applicationName(), QStringLiteral("module test"));
}

void TestModuleApplication::toolTipPrefersTheToolTipProperty()
{
    Counting<QComboBox> combo;
    combo.addItem(QStringLiteral("current item"));
    combo.setToolTip(QStringLiteral("explicit tip"));
    combo.show();
    QVERIFY(sendToolTip(&combo));
    QCOMPARE(combo.toolTipEvents, 0);
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("explicit tip"));
}

void TestModuleApplication::comboBoxWithoutToolTipShowsCurrentText()
{
    Counting<QComboBox> combo;
    combo.addItems({QStringLiteral("first"), QStringLiteral("second")});
    combo.setCurrentIndex(1);
    combo.show();
    QVERIFY(sendToolTip(&combo));
    QCOMPARE(combo.toolTipEvents, 0);
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("second"));
}

void TestModuleApplication::lineEditWithoutToolTipGetsTheEvent()
{
    Counting<QLineEdit> edit;
    edit.setText(QStringLiteral("typed text"));
    edit.show();
    sendToolTip(&edit);
    QCOMPARE(edit.toolTipEvents, 1);
    QVERIFY(QToolTip::text() != QStringLiteral("typed text"));
}

void TestModuleApplication::labelShowsItsText()
{
    Counting<QLabel> label;
    label.setText(QStringLiteral("a long label text"));
    label.show();
    QVERIFY(sendToolTip(&label));
    QCOMPARE(label.toolTipEvents, 0);
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("a long label text"));
}

void TestModuleApplication::fontAndPaletteChangesAreSwallowed()
{
    Counting<QWidget> widget;
    QEvent fontChange(QEvent::ApplicationFontChange);
    QVERIFY(QCoreApplication::sendEvent(&widget, &fontChange));
    QEvent paletteChange(QEvent::ApplicationPaletteChange);
    QVERIFY(QCoreApplication::sendEvent(&widget, &paletteChange));
    QCOMPARE(widget.fontChanges, 0);
}

void TestModuleApplication::showMarksParentsMapped()
{
    QWidget top;
    auto *middle = new QWidget(&top);
    auto *leaf = new QWidget(middle);
    QShowEvent show;
    QCoreApplication::sendEvent(leaf, &show);
    QVERIFY(leaf->testAttribute(Qt::WA_Mapped));
    QVERIFY(middle->testAttribute(Qt::WA_Mapped));
    QVERIFY(top.testAttribute(Qt::WA_Mapped));
}

void TestModuleApplication::exceptionInHandlerIsCaught()
{
    Base::details::CLogCapture capture;
    Throwing receiver;
    QEvent event(QEvent::User);
    QVERIFY(!QCoreApplication::sendEvent(&receiver, &event));
    QVERIFY(capture.contains("Exception in an event handler: [handler failed]."));
}

int main(int argc, char **argv)
{
    publicClient::QtModuleApplication app(QStringLiteral("module test"), argc, argv);
    TestModuleApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_module_application.moc"
