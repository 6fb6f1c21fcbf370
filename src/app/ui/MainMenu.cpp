#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/ui/Bodyprog.h"
#include "app/ui/MainWindowParts.h"

namespace vertal::app {

namespace {

QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& caption) {
  QMenu* menu = bar->addMenu(caption);
  menu->setObjectName(QString::fromLatin1(name));
  return menu;
}

QAction* AddItem(QMenu* menu, const char* name, const QString& caption,
                 const QKeySequence& shortcut = {}) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(QString::fromLatin1(name));
  item->setShortcut(shortcut);
  return item;
}

}  // namespace

void BuildMainMenu(TForm_Main& form) {
  QMenuBar* bar = form.menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));
  form.MainMenu1 = bar;

  form.N1 = AddMenu(bar, "N1", QStringLiteral("&Файл"));
  form.N_REC =
      AddItem(form.N1, "N_REC", QStringLiteral("С&читать"), QKeySequence(Qt::CTRL | Qt::Key_X));
  form.N_OPEN =
      AddItem(form.N1, "N_OPEN", QStringLiteral("&Открыть..."), QKeySequence(Qt::CTRL | Qt::Key_O));
  form.N_PRINT = form.N1->addMenu(QStringLiteral("&Печать"));
  form.N_PRINT->setObjectName(QStringLiteral("N_PRINT"));
  form.M_IK = AddItem(form.N_PRINT, "M_IK", QStringLiteral("Информационная карта"));
  form.M_Grf = AddItem(form.N_PRINT, "M_Grf", QStringLiteral("Графики параметров"));
  form.M_Oper = AddItem(form.N_PRINT, "M_Oper", QStringLiteral("Оперативная информация"));
  form.M_Per = AddItem(form.N_PRINT, "M_Per", QStringLiteral("Перегрузки"));
  form.M_KZ = AddItem(form.N_PRINT, "M_KZ", QStringLiteral("Грфики КЗ"));
  form.N_KDSPAR = AddItem(form.N_PRINT, "N_KDSPAR", QStringLiteral("КДС параметры"));
  form.N15 = form.N1->addSeparator();
  form.N15->setObjectName(QStringLiteral("N15"));
  form.N_EXIT = AddItem(form.N1, "N_EXIT", QStringLiteral("В&ыход"));

  form.N7 = AddMenu(bar, "N7", QStringLiteral("Вид"));
  form.N_INSTR_PANEL =
      AddItem(form.N7, "N_INSTR_PANEL", QStringLiteral("&Инструментальная  панель"));
  form.N_INSTR_PANEL->setCheckable(true);
  form.N_INSTR_PANEL->setChecked(true);

  form.N12 = AddMenu(bar, "N12", QStringLiteral("&?"));
  form.N_ABOUT = AddItem(form.N12, "N_ABOUT", QStringLiteral("&О программе"));
}

}  // namespace vertal::app
