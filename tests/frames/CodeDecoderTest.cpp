#include <gtest/gtest.h>

#include "frames/core/CodeDecoder.h"

namespace vertal::frames {
namespace {

const std::string kHeading = "   Бинарный код расшифровывается \n                слева направо: \n";

TEST(DecodeCell, KosFlagsBitByBitWithThePowerLineRange) {
  EXPECT_EQ(DecodeCell(kKosRow, "00000000"),
            kHeading +
                "р1 - Диск.Вх1(КОС)-Выкючен\nр2 - Реле КОС Фара2 - Выключен\n"
                "р3 - Реле КОС Фара1 - Выключен\nр4 - Выбор режима - Выключен\n"
                "р5 - Режим - Настройка\np6-p8 - Опасного напряженя нет\n");
  EXPECT_EQ(DecodeCell(kKosRow, "00001101"),
            kHeading +
                "р1 - Диск.Вх1(КОС)-Выкючен\nр2 - Реле КОС Фара2 - Выключен\n"
                "р3 - Реле КОС Фара1 - Выключен\nр4 - Выбор режима - Выключен\n"
                "р5 - Режима - Работа\np6-p8 - Е105 ЛЭП 500-750кВ\n");
  const std::string all = *DecodeCell(kKosRow, "11111110");
  EXPECT_NE(all.find("р1 - Диск.Вх1(КОС)-Включен\nр2 - Реле КОС Фара2 - Включен\n"), std::string::npos);
  EXPECT_NE(all.find("p6-p8 - Ошибна диапазона\n"), std::string::npos);
}

TEST(DecodeCell, PowerLineRangesByTheLastThreeCharacters) {
  const std::pair<const char*, const char*> rows[] = {
      {"00000001", "p6-p8 - Е101 ЛЭП 0.22-1кВ"}, {"00000010", "p6-p8 - Е102 ЛЭП 6.0-10кВ"},
      {"00000011", "p6-p8 - Е103 ЛЭП 20-35кВ"},  {"00000100", "p6-p8 - Е104 ЛЭП 110-450кВ"},
      {"00000111", "p6-p8 - Ошибна диапазона"},
  };
  for (const auto& [cell, text] : rows) {
    const std::string decoded = *DecodeCell(kKosRow, cell);
    EXPECT_EQ(decoded.substr(decoded.size() - std::string(text).size() - 1), std::string(text) + "\n");
  }
}

TEST(DecodeCell, LimitsEnteredAndTriggered) {
  EXPECT_EQ(DecodeCell(kLimitsRow, "10001000"),
            "1 - Введёно огр. ПОТОЛОК\n2 - Не введено\n3 - Не введено\n4 - Не введено\n"
            "5 - Сработало огр. ПОТОЛОК\n6 - Не сработало огр.\n7 - Не сработало огр.\n"
            "8 - Не сработало огр.\n");
  EXPECT_EQ(DecodeCell(kLimitsRow, "01110111"),
            "1 - Не введено\n2 - Введёно огр. СТЕНА\n3 - Введёно огр. пов. ВПРАВО\n"
            "4 - Введёно огр. пов. ВЛЕВО\n5 - Не сработало огр.\n6 - Сработало огр. СТЕНА\n"
            "7 - Сработало огр. пов. ВПРАВО\n8 - Сработало огр. пов. ВЛЕВО\n");
}

TEST(DecodeCell, RelayAndInputRowsPointToTheWiring) {
  for (int row : {kRelaysRow, kInputs1Row, kInputs2Row, kInputs3Row})
    EXPECT_EQ(DecodeCell(row, "10101010"), "Смотри схему подключения VERTAL");
}

TEST(DecodeCell, FaultCodesWithTheirLetters) {
  EXPECT_EQ(DecodeCell(kFaultCodeRow, "46"), "Е46 Реле БПК");          // Cyrillic Е
  EXPECT_EQ(DecodeCell(kFaultCodeRow, "118"), "Е118 Давл.нап.1");
  EXPECT_EQ(DecodeCell(kFaultCodeRow, "116"), "Е116 Обор.ДВ");
  EXPECT_EQ(DecodeCell(kFaultCodeRow, "63")->substr(0, 1), "E");      // Latin E
  EXPECT_EQ(DecodeCell(kFaultCodeRow, "107"), "E107 Блок.ключ.Ограничитель заблокирован «полицай-ключом");
  EXPECT_EQ(DecodeCell(kFaultCodeRow, "90"), "Е90 Блокировка 1, работа крана при нажатой кнопке БЛК ");
  EXPECT_EQ(DecodeCell(kFaultCodeRow, "89"), "E89 Вылет мал");
  // A code without a meaning shows no box at all, not an empty one.
  for (const char* silent : {"0", "1", "16", "93", "108", "123", "255", "046"})
    EXPECT_EQ(DecodeCell(kFaultCodeRow, silent), std::nullopt) << silent;
}

TEST(DecodeCell, OtherRowsAndEmptyCellsShowNothing) {
  for (int row : {0, 1, 9, 11, 12, 13, 20}) EXPECT_FALSE(DecodeCell(row, "00000000").has_value()) << row;
  for (int row : {kKosRow, kLimitsRow, kRelaysRow, kFaultCodeRow}) EXPECT_FALSE(DecodeCell(row, "").has_value());
}

}  // namespace
}  // namespace vertal::frames
