#ifndef HELPDOCUMENT_H
#define HELPDOCUMENT_H

#include <QString>

class QWidget;
class UserDialogs;

/*! The program's help: one PDF document per language, which holds every topic. */
class HelpDocument {
public:
    /*! The document of the current language in the resources. */
    static QString path();
    /*! Opens the document with the desktop's viewer, or tells the user where it was looked for.
        Topics (0 general, 2 material properties, 7 heat flow directions) all open the same
        document. */
    static void show(int topic, UserDialogs &dialogs, QWidget *parent);
};

#endif // HELPDOCUMENT_H
