#include <gtest/gtest.h>

#include <vector>

#include "common/core/Host.h"

namespace vertal {
namespace {

TEST(OneBox, TheTextsStandLineUnderLineAndAnErrorGivesTheBoxItsIcon) {
  const Message first{MessageKind::Plain, "Ошибка контольной суммы рабочих циклов в Банке-0!"};
  const Message second{MessageKind::Plain, "Ошибка контольной суммы служебной информации БОИ!"};
  const Message error{MessageKind::Error, "\n Файл не удалось открыть!"};
  EXPECT_EQ(OneBox({first}), first);
  EXPECT_EQ(OneBox({first, second}), (Message{MessageKind::Plain, first.text + "\n" + second.text}));
  EXPECT_EQ(OneBox({first, error}).kind, MessageKind::Error);
  EXPECT_EQ(OneBox({first, error}).text, first.text + "\n" + error.text);
}

}  // namespace
}  // namespace vertal
