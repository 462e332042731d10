// PDF of the blank: the real export checked with the poppler tools, the target path rules,
// the overwrite question and failed targets, and the generated file names.
#include <unistd.h>

#include <gtest/gtest.h>

#include "output/header/header_model.h"
#include "output/print/pdf_naming.h"
#include "output/print/pdf_save.h"
#include "output/table/table_columns.h"
#include "platform/files.h"
#include "support/command_output.h"
#include "support/print_fixture.h"
#include "support/temp_dir.h"

namespace {

// Runs the test body in another working directory.
class ScopedWorkingDir {
  public:
    explicit ScopedWorkingDir(const std::string& dir) : previous_(getcwd(nullptr, 0)) {
        EXPECT_EQ(chdir(dir.c_str()), 0);
    }
    ~ScopedWorkingDir() {
        EXPECT_EQ(chdir(previous_), 0);
        free(previous_);
    }

  private:
    char* previous_;
};

class PdfSaveTest : public ::testing::Test {
  protected:
    PdfSaveTest() { BuildDefaultHeader(header_, table_, records_.RepO.HeaderOpt, {}); }

    PdfSaveResult Save(const std::string& dir, const std::string& name) {
        records_.RepO.PdfDir = dir;
        records_.RepO.PdfFileName = name;
        return ExportPdf(MakePrintState(table_, records_, header_), prompts_);
    }

    TempDir dir_;
    ReportTable table_ = SampleReportTable(3, 4);
    ReportRecords records_ = SampleRecords();
    SpecialHeader header_;
    ScriptedPrompts prompts_;
};

TEST_F(PdfSaveTest, BlankHasEveryTextOfTheReport) {
    const PdfSaveResult result = Save(dir_.Path(), "бланк");
    ASSERT_TRUE(result.Written) << result.Error;
    EXPECT_EQ(result.Path, dir_ / "бланк.pdf");
    EXPECT_EQ(PdfPageCount(result.Path), 1);
    const std::string info = CommandOutput("pdfinfo '" + result.Path + "'");
    EXPECT_NE(info.find("595.276 x 841.89 pts (A4)"), std::string::npos) << info;

    const std::string text = CommandOutput("pdftotext -raw '" + result.Path + "' -");
    std::vector<std::string> expected = {records_.RepO.Title,     records_.RepO.Header[0],
                                         records_.RepO.Header[1], records_.RepO.Footer[0],
                                         "Тип модуля: Zemra-100", "Заводской номер: 00A1"};
    for (const TableColumn& column : table_.Columns)
        expected.insert(expected.end(), column.Cells.begin(), column.Cells.end());
    for (const std::string& piece : expected)
        EXPECT_NE(text.find(piece), std::string::npos) << piece << "\n" << text;
}

TEST_F(PdfSaveTest, TargetPathRules) {
    struct Case {
        const char* dir;  // relative to the temporary directory; nullptr: empty field
        const char* name;
        const char* written;  // relative path of the file, or nullptr
    };
    const Case cases[] = {
        {"новая/папка", "отчет", "новая/папка/отчет.pdf"},
        {".", "r.pdf", "r.pdf"},
        {".", "r.PDF", "r.PDF.pdf"},
        {".", "r.pdf.txt", "r.pdf.txt.pdf"},
        {nullptr, "рабочий", "рабочий.pdf"},
        {".", "", nullptr},
        {".", "  ", nullptr},
    };
    ScopedWorkingDir cwd(dir_.Path());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PdfSaveResult result = Save(c.dir ? dir_ / c.dir : "", c.name);
        EXPECT_EQ(result.Written, c.written != nullptr);
        EXPECT_TRUE(result.Error.empty()) << result.Error;
        if (c.written)
            EXPECT_EQ(PdfPageCount(dir_ / c.written), 1);
    }
    EXPECT_TRUE(prompts_.History().empty());
}

TEST_F(PdfSaveTest, ExistingFileIsReplacedOnlyAfterOk) {
    const std::string path = dir_.WriteFile("r.pdf", "old");
    prompts_.PushAnswer(PromptAnswer::Cancel);
    EXPECT_FALSE(Save(dir_.Path(), "r").Written);
    EXPECT_EQ(ReadWholeFile(path)->size(), 3u);
    ASSERT_EQ(prompts_.History().size(), 1u);
    EXPECT_EQ(prompts_.History()[0].text, "Такой файл уже существует. Заменить?");
    EXPECT_EQ(prompts_.History()[0].buttons, PromptButtons::OkCancel);

    prompts_.PushAnswer(PromptAnswer::Ok);
    EXPECT_TRUE(Save(dir_.Path(), "r").Written);
    EXPECT_EQ(PdfPageCount(path), 1);
}

TEST_F(PdfSaveTest, FailedTargetsGiveAnErrorAndLeaveNothing) {
    dir_.WriteFile("file", "x");
    dir_.WriteFile("taken.pdf/inside", "old");
    struct Case {
        std::string dir, name;
    };
    const Case cases[] = {
        {dir_ / "file/sub", "r"},    // the directory cannot be created
        {dir_.Path(), "taken"},      // the target is a directory
        {dir_.Path(), "../escape"},  // not one file name
        {dir_.Path(), "a/b"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PdfSaveResult result = Save(c.dir, c.name);
        EXPECT_FALSE(result.Written);
        EXPECT_NE(result.Error.find("Ошибка экспорта в PDF"), std::string::npos) << result.Error;
    }
    EXPECT_EQ(ListDirectory(dir_.Path()).size(), 2u);
    EXPECT_EQ(ReadWholeFile(dir_ / "taken.pdf/inside")->size(), 3u);
    EXPECT_FALSE(FileExists(dir_ / "../escape.pdf"));
}

TEST(PdfNaming, NamesFromControllerAndPeriod) {
    ReportRecords records = SampleRecords();
    records.RepI.ArchiveKind = kReportHourly;
    records.RepI.DateFormat = "DD.MM.YY HH:NN";
    ReportTable table;
    TDateTime start = 0, end = 0;
    ASSERT_TRUE(TryEncodeDate(2015, 11, 25, start));
    end = start + 12.0 / 24;
    start += 10.0 / 24;
    SetUpRows(table, records, start, end);
    ASSERT_EQ(table.Periods, 2);
    // Hourly labels keep their blanks between date and hour.
    const std::string period = "25.11.15   10_00 - 25.11.15   11_00.pdf";
    EXPECT_EQ(PeriodFileName(table), period);
    EXPECT_EQ(GeneratePdfName(table, "Kx", 0x00A1), "Kx (00A1) " + period);
    EXPECT_EQ(GeneratePdfName(table, "Цех/2", 0xBEEF), "Цех_2 (BEEF) " + period);
    AddNumberingColumn(table, records);
    EXPECT_EQ(PeriodFileName(table), period);

    SetUpRows(table, records, start, start);
    EXPECT_EQ(PeriodFileName(table), "");
    EXPECT_EQ(GeneratePdfName(table, "Kx", 1), std::nullopt);
    ClearTable(table);
    EXPECT_EQ(PeriodFileName(table), "");
}

}  // namespace
