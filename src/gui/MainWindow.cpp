#include "MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QSplashScreen>
#include <QTimer>

#include "Settings.h"
#include "VaDar_TextFrame.h"

MainWindow::MainWindow(QSplashScreen *splashScreen, QWidget *parent)
    : QMainWindow(parent), m_splashScreen(splashScreen) {
    setWindowTitle(QStringLiteral("Tavo 2"));
    setMinimumSize(800, 600);

    paintSplashTagline();

    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->geometry();
        resize(available.width() / 3 * 2, available.height() / 3 * 2);
        move(available.center() - rect().center());
    }

    // The splash stays on top for about five and a half seconds after start.
    QTimer::singleShot(500, this,
                       [this]() { QTimer::singleShot(10, this, &MainWindow::updateSplashScreen); });
}

MainWindow::~MainWindow() {
    delete m_splashScreen.data();
}

void MainWindow::paintSplashTagline() {
    if (!m_splashScreen)
        return;
    QPixmap pixmap = m_splashScreen->pixmap();
    if (pixmap.isNull())
        return;
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::TextAntialiasing);
        VaDar::TextFrame tagline;
        tagline.setText(
            tr("A software for hygrothermal evaluation of building envelope systems").toHtmlEscaped());
        tagline.setTextColor(QColor(191, 191, 207));
        tagline.drawFrame(&painter, QPointF(35, 85), 300);
    }
    m_splashScreen->setPixmap(pixmap);
    QApplication::processEvents();
}

void MainWindow::updateSplashScreen() {
    if (m_splashScreen)
        QTimer::singleShot(5000, m_splashScreen.data(), &QWidget::close);
}

void MainWindow::closeEvent(QCloseEvent *event) {
    // No project can be open yet: nothing to ask, only the settings to keep.
    Settings::instance().m_lastProjectFile.clear();
    Settings::instance().write();
    event->accept();
}
