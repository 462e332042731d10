// PDF export checked with the poppler tools: pages, A4 size, embedded fonts, extractable
// Cyrillic text; atomic writing; raster pages.
#include "output/render/pdf_export.h"

#include <gtest/gtest.h>

#include "output/header/header_model.h"
#include "output/print/print_bridge.h"
#include "output/render/raster_page.h"
#include "platform/files.h"
#include "support/command_output.h"
#include "support/print_fixture.h"
#include "support/temp_dir.h"

namespace {

class PdfExportTest : public ::testing::Test {
  protected:
    TempDir dir_;
};

TEST_F(PdfExportTest, FontsAreEmbeddedAndTextExtracts) {
    const ReportTable table = SampleReportTable(3, 4);
    ReportRecords records = SampleRecords();
    records.RepO.FontNameIndex = 1;  // Times New Roman
    SpecialHeader header;
    BuildDefaultHeader(header, table, records.RepO.HeaderOpt, {});
    const PreparedReport report = PrepareBlank(MakePrintState(table, records, header));
    const std::string pdf = dir_ / "отчет.pdf";
    std::string error;
    ASSERT_TRUE(ExportPdf(report, pdf, error)) << error;

    EXPECT_EQ(PdfPageCount(pdf), 1);
    const std::string fonts = CommandOutput("pdffonts '" + pdf + "'");
    int fontLines = 0;
    for (size_t pos = fonts.find("Liberation"); pos != std::string::npos;
         pos = fonts.find("Liberation", pos + 1)) {
        ++fontLines;
        const std::string line = fonts.substr(pos, fonts.find('\n', pos) - pos);
        EXPECT_NE(line.find(" yes "), std::string::npos) << line;  // embedded
    }
    EXPECT_GE(fontLines, 2) << fonts;  // regular and bold Liberation Serif
    const std::string text = CommandOutput("pdftotext -raw '" + pdf + "' -");
    EXPECT_NE(text.find(records.RepO.Title), std::string::npos) << text;
}

TEST_F(PdfExportTest, LongTableGivesOnePdfPagePerReportPage) {
    const PreparedReport report = PrepareSampleBlank(200, 8);
    const std::string pdf = dir_ / "long.pdf";
    std::string error;
    ASSERT_TRUE(ExportPdf(report, pdf, error)) << error;
    EXPECT_EQ(size_t(PdfPageCount(pdf)), report.pages.size());
    const std::string lastPage = CommandOutput(
        "pdftotext -raw -f " + std::to_string(report.pages.size()) + " " + pdf + " -");
    EXPECT_NE(lastPage.find("Пар. 7"), std::string::npos);  // the repeated header
    EXPECT_NE(lastPage.find("Итого"), std::string::npos);
}

TEST_F(PdfExportTest, UnwritableTargetLeavesNothingBehind) {
    const PreparedReport report = PrepareSampleBlank(2, 2);
    const std::string missingDir = dir_ / "нет/отчет.pdf";
    std::string error;
    EXPECT_FALSE(ExportPdf(report, missingDir, error));
    EXPECT_NE(error.find(missingDir), std::string::npos);
    EXPECT_FALSE(FileExists(missingDir));

    // A target that cannot be replaced (a directory holding a file) stays as it was, and no
    // temporary file is left beside it.
    dir_.WriteFile("taken.pdf/inside", "old");
    error.clear();
    EXPECT_FALSE(ExportPdf(report, dir_ / "taken.pdf", error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ListDirectory(dir_.Path()).size(), 1u);
    EXPECT_EQ(ReadWholeFile(dir_ / "taken.pdf/inside")->size(), 3u);
}

TEST(RasterPage, DrawsTextAndFramesAtTheAskedResolution) {
    const PreparedReport report = PrepareSampleBlank(3, 3);
    const RasterImage image = RenderPageImage(report.pages.at(0), 48);
    EXPECT_EQ(image.width, 397);
    EXPECT_EQ(image.height, 562);
    ASSERT_EQ(image.pixels.size(), size_t(image.stride) * size_t(image.height));
    size_t dark = 0, white = 0;
    for (size_t i = 0; i + 3 < image.pixels.size(); i += 4) {
        const auto* p = &image.pixels[i];
        dark += p[0] < 128 && p[1] < 128 && p[2] < 128 && p[3] == 255;
        white += p[0] == 255 && p[1] == 255 && p[2] == 255;
    }
    EXPECT_GT(dark, 500u);
    EXPECT_GT(white, image.pixels.size() / 4 / 2);
}

}  // namespace
