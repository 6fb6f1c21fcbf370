#include "app/ui/MainMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>


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

MainMenu BuildMainMenu(QMenuBar* bar) {
  bar->setObjectName(QStringLiteral("MainMenu1"));
  MainMenu m;
  m.file = AddMenu(bar, "N1", QStringLiteral("&Файл"));
  m.read = AddItem(m.file, "N_REC", QStringLiteral("С&читать"), QKeySequence(Qt::CTRL | Qt::Key_X));
  m.open =
      AddItem(m.file, "N_OPEN", QStringLiteral("&Открыть..."), QKeySequence(Qt::CTRL | Qt::Key_O));
  m.compare = AddItem(m.file, "N_COMPARE", QStringLiteral("&Сравнить с файлом…"));
  m.history = AddItem(m.file, "N_HISTORY", QStringLiteral("&История крана…"));
  m.print = m.file->addMenu(QStringLiteral("&Печать"));
  m.print->setObjectName(QStringLiteral("N_PRINT"));
  m.card = AddItem(m.print, "M_IK", QStringLiteral("Информационная карта"));
  m.paramGraph = AddItem(m.print, "M_Grf", QStringLiteral("Графики параметров"));
  m.operative = AddItem(m.print, "M_Oper", QStringLiteral("Оперативная информация"));
  m.overloads = AddItem(m.print, "M_Per", QStringLiteral("Перегрузки"));
  m.relayGraph = AddItem(m.print, "M_KZ", QStringLiteral("Грфики КЗ"));
  m.kds = AddItem(m.print, "N_KDSPAR", QStringLiteral("КДС параметры"));
  m.exportCsv = AddItem(m.file, "N_EXPORT", QStringLiteral("&Экспорт в CSV…"));
  m.file->addSeparator()->setObjectName(QStringLiteral("N15"));
  m.exit = AddItem(m.file, "N_EXIT", QStringLiteral("В&ыход"));

  m.view = AddMenu(bar, "N7", QStringLiteral("Вид"));
  m.toolPanel = AddItem(m.view, "N_INSTR_PANEL", QStringLiteral("&Инструментальная  панель"));
  m.toolPanel->setCheckable(true);
  m.toolPanel->setChecked(true);

  m.help = AddMenu(bar, "N12", QStringLiteral("&?"));
  m.about = AddItem(m.help, "N_ABOUT", QStringLiteral("&О программе"));
  return m;
}

}  // namespace vertal::app
