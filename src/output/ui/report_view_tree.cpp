// The report view window's page "Выбор отчета": tree modes, search, and choosing a report.
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "output/ui/report_view_window.h"
#include "reports/report_records.h"
#include "shell/program_state.h"

namespace {

constexpr int kTopRole = Qt::UserRole;
constexpr int kChildRole = Qt::UserRole + 1;

QToolButton* ModeButton(QWidget* parent, const QString& hint) {
    auto* b = new QToolButton(parent);
    b->setText(hint);
    b->setToolTip(hint);
    b->setCheckable(true);
    b->setAutoExclusive(true);
    return b;
}

}  // namespace

QWidget* TAprosmOt::BuildTreePage() {
    auto* page = new QWidget(this);
    page->setObjectName("GrTreeRep");
    SpeedButton2 = ModeButton(page, "Контроллер-отчет");
    SpeedButton2->setObjectName("SpeedButton2");
    SpeedButton1 = ModeButton(page, "Отчет-контроллер");
    SpeedButton1->setObjectName("SpeedButton1");
    connect(SpeedButton2, &QToolButton::clicked, this,
            [this] { SpeedButton1Click(tvModuleReport); });
    connect(SpeedButton1, &QToolButton::clicked, this,
            [this] { SpeedButton1Click(tvReportModule); });

    Edit1 = new QLineEdit(page);
    Edit1->setObjectName("Edit1");
    connect(Edit1, &QLineEdit::textChanged, this, [this] { Edit1Change(); });

    VSTR = new QTreeWidget(page);
    VSTR->setObjectName("VSTR");
    VSTR->setHeaderHidden(true);
    connect(VSTR, &QTreeWidget::currentItemChanged, this, [this] { VSTRFocusChanged(); });

    Memo1 = new QPlainTextEdit(page);
    Memo1->setObjectName("Memo1");
    Memo1->setReadOnly(true);
    Memo1->hide();

    auto* modes = new QHBoxLayout;
    modes->addWidget(SpeedButton2);
    modes->addWidget(SpeedButton1);
    modes->addStretch();
    auto* search = new QHBoxLayout;
    search->addWidget(new QLabel("Поиск:", page));
    search->addWidget(Edit1);
    auto* split = new QSplitter(Qt::Vertical, page);
    split->addWidget(VSTR);
    split->addWidget(Memo1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(modes);
    layout->addLayout(search);
    layout->addWidget(split, 1);
    return page;
}

void TAprosmOt::SpeedButton1Click(int mode) {
    treeMode_ = mode == tvReportModule ? tvReportModule : tvModuleReport;
    (treeMode_ == tvReportModule ? SpeedButton1 : SpeedButton2)->setChecked(true);
    FillTree();
}

void TAprosmOt::FillTree() {
    tree_ = FillViewTree(Shell().ModulesDir, Shell().ReportsDir, treeMode_);
    {
        fillingTree_ = true;
        const QSignalBlocker block(VSTR);
        VSTR->clear();
        for (size_t t = 0; t < tree_.size(); ++t) {
            auto* top = new QTreeWidgetItem(VSTR, {QString::fromStdString(tree_[t].Data.Caption)});
            top->setData(0, kTopRole, static_cast<int>(t));
            top->setData(0, kChildRole, -1);
            for (size_t c = 0; c < tree_[t].Children.size(); ++c) {
                auto* child = new QTreeWidgetItem(
                    top, {QString::fromStdString(tree_[t].Children[c].Data.Caption)});
                child->setData(0, kTopRole, static_cast<int>(t));
                child->setData(0, kChildRole, static_cast<int>(c));
            }
        }
        fillingTree_ = false;
    }
    Edit1Change();
}

void TAprosmOt::Edit1Change() {
    ApplyTreeSearch(tree_, Edit1->text().toStdString());
    for (int t = 0; t < VSTR->topLevelItemCount(); ++t) {
        QTreeWidgetItem* top = VSTR->topLevelItem(t);
        top->setHidden(!tree_[t].Visible);
        for (int c = 0; c < top->childCount(); ++c)
            top->child(c)->setHidden(!tree_[t].Children[c].Visible);
    }
    VSTR->expandAll();
}

void TAprosmOt::VSTRFocusChanged() {
    if (fillingTree_ || reading_)
        return;
    ResetView(false);
    LoadSelectedReport(VSTR->currentItem());
}

void TAprosmOt::LoadSelectedReport(const QTreeWidgetItem* item) {
    if (!item)
        return;
    const int t = item->data(0, kTopRole).toInt();
    const int c = item->data(0, kChildRole).toInt();
    if (c < 0) {
        if (item->childCount() > 0)
            VSTR->setCurrentItem(item->child(0));
        return;
    }
    const S_vstR& parent = tree_[t].Data;
    const S_vstR& child = tree_[t].Children[c].Data;
    S_repI& r = CurrentReport().RepI;
    if (treeMode_ == tvModuleReport) {
        r.DescriptorPath = child.Path;
        r.ModuleReportPath = child.ModulePath;
        r.ModuleDir = parent.Path;
    } else {
        r.ModuleDir = child.Path;
        r.ModuleReportPath = child.ModulePath;
        r.DescriptorPath = parent.Path;
    }
    const int checked = RadioHour->isChecked()    ? kReportHourly
                        : RadioDay->isChecked()   ? kReportDaily
                        : RadioMonth->isChecked() ? kReportMonthly
                                                  : -1;
    ShowReportContext(checked);
}

bool TAprosmOt::SelTreeNode(const std::string& moduleDir, const std::string& moduleReportPath) {
    for (int t = 0; t < VSTR->topLevelItemCount(); ++t) {
        QTreeWidgetItem* top = VSTR->topLevelItem(t);
        for (int c = 0; c < top->childCount(); ++c) {
            const ViewTreeNode& child = tree_[t].Children[c];
            const std::string& dir =
                treeMode_ == tvModuleReport ? tree_[t].Data.Path : child.Data.Path;
            if (dir == moduleDir && child.Data.ModulePath == moduleReportPath) {
                VSTR->setCurrentItem(top->child(c));
                return true;
            }
        }
    }
    return false;
}
