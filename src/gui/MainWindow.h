#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QMainWindow>
#include <QPointer>

class QSplashScreen;

/*! The program's only top-level window. For now it is the empty shell that start-up
    shows; the construction table, editors, diagram and results move in as they land. */
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QSplashScreen *splashScreen, QWidget *parent = nullptr);
    ~MainWindow() override;

public slots:
    /*! Schedules the splash screen's close a few seconds after start. */
    void updateSplashScreen();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void paintSplashTagline();

    QPointer<QSplashScreen> m_splashScreen;
};

#endif // MAINWINDOW_H
