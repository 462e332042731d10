// EncodePin and DecodePin: known stored forms, round trips and text that is not hexadecimal.
#include "comm/link/pin_code.h"

#include <gtest/gtest.h>

TEST(PinCode, StoredForms) {
    struct Case {
        std::string pin, stored;
    } const cases[] = {
        {"", ""},
        {"1234", "96959493"},
        {"0000", "97979797"},
        {std::string("\xA7\x00\xFF", 3), "00A758"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(EncodePin(c.pin), c.stored);
        EXPECT_EQ(DecodePin(c.stored), c.pin);
    }
}

TEST(PinCode, DecodeIgnoresAFinalSingleDigitAndAcceptsLowerCase) {
    EXPECT_EQ(DecodePin("969"), "1");
    EXPECT_EQ(DecodePin("9"), "");
    EXPECT_EQ(DecodePin("96a7"), std::string("1\0", 2));
}

TEST(PinCode, PairThatIsNotHexadecimalThrows) {
    for (const char* stored : {"9G", "96 5", "-1", "96$1"}) {
        SCOPED_TRACE(stored);
        EXPECT_THROW(DecodePin(stored), EPinConvert);
    }
}
