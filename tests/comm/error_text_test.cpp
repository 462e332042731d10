// Messages of the result codes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "comm/exchange/decode_float.h"
#include "comm/exchange/error_text.h"

TEST(ErrorText, FixedMessagesAndUnknownCodes) {
    EXPECT_EQ(ErrorText(0), "  OK");
    EXPECT_EQ(ErrorText(3), "  Ошибка записи в последовательный порт\u201A ");
    EXPECT_EQ(ErrorText(47),
              "  Нет ответа на дочитывание длинного парам"
              "e"
              "тра Pellan");
    EXPECT_EQ(ErrorText(29), "  Контроллер не перешел в состояние \"Стоп\"");
    EXPECT_EQ(ErrorText(60), "  60");
    EXPECT_EQ(ErrorText(61), "  Неопределенный код ошибки 61");
    EXPECT_EQ(ErrorText(-1), "  Неопределенный код ошибки -1");
    for (int code = 0; code <= 60; ++code)
        EXPECT_EQ(ErrorText(code).substr(0, 2), "  ") << code;
}

TEST(DecodeFloat, ValuesAndNoValue) {
    const auto f = [](std::initializer_list<uint8_t> b) {
        uint8_t bytes[4];
        std::copy(b.begin(), b.end(), bytes);
        return DecodeFloat(std::span<const uint8_t, 4>(bytes, 4));
    };
    EXPECT_EQ(f({0x00, 0x00, 0x80, 0x3F}), 1.0);
    EXPECT_TRUE(std::isnan(f({0xFF, 0xFF, 0xFF, 0xFF})));
    EXPECT_TRUE(std::isnan(f({0x00, 0x00, 0x80, 0x7F})));  // infinity
    EXPECT_TRUE(std::isnan(f({0xCA, 0x39, 0x97, 0x72})));  // about 6e30
    EXPECT_EQ(f({0x01, 0x00, 0x00, 0x00}), 0.0);           // denormal, below 1e-25
}
