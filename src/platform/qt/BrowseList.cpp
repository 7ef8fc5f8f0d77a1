#include "platform/qt/BrowseList.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/qt/DialogUnits.h"

namespace ntx {

BrowseList::BrowseList(FileAccessManager& file, const QString& tableName, QWidget* parent)
    : QWidget(parent),
      file_(file),
      model_(new BrowseModel(file, conventionsOfUserLocale(), this)),
      table_(new QTableView(this)) {
    table_->setObjectName(tableName);
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 4);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    table_->horizontalHeader()->setHighlightSections(false);
    table_->setWordWrap(false);
    table_->setShowGrid(true);
    table_->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(table_, 1);
    auto* buttons = new QHBoxLayout;
    addNavigationButtons(buttons);
    layout->addLayout(buttons);
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        loadHighlighted();
        emit highlightChanged();
    });
}

void BrowseList::addNavigationButtons(QHBoxLayout* layout) {
    struct Button {
        const char* name;
        const char* text;
        const char* tip;
        int move;  // rows; INT32_MIN / INT32_MAX for the first and the last
    };
    const Button buttons[] = {
        {"VCRTop", "|<", "Go to the first record", INT32_MIN},
        {"VCRPageUp", "<<", "Page up", -20},
        {"VCRUp", "<", "Previous record", -1},
        {"VCRDown", ">", "Next record", 1},
        {"VCRPageDown", ">>", "Page down", 20},
        {"VCRBottom", ">|", "Go to the last record", INT32_MAX},
    };
    for (const Button& b : buttons) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setText(QString::fromLatin1(b.text));
        button->setToolTip(QString::fromLatin1(b.tip));
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, [this, move = b.move] {
            const int last = model_->rowCount() - 1;
            const int row = move == INT32_MIN ? 0 : move == INT32_MAX ? last : currentRow() + move;
            selectRow(std::clamp(row, 0, std::max(last, 0)));
        });
        layout->addWidget(button);
    }
    layout->addStretch(1);
}

bool BrowseList::setFormat(const std::string& format, const std::vector<int>& fields) {
    auto columns = parseListFormat(format);
    if (!columns || columns->size() != fields.size()) return false;
    std::vector<BrowseColumn> browse;
    for (std::size_t i = 0; i < fields.size(); ++i) browse.push_back({fields[i], (*columns)[i]});
    model_->setColumns(std::move(browse));
    for (int i = 0; i < static_cast<int>(fields.size()); ++i) {
        setColumnWidthUnits(i, (*columns)[static_cast<std::size_t>(i)].width);
    }
    return true;
}

std::string BrowseList::currentFormat() const {
    std::vector<ListColumnFormat> formats;
    for (int i = 0; i < static_cast<int>(model_->columns().size()); ++i) {
        ListColumnFormat f = model_->columns()[static_cast<std::size_t>(i)].format;
        f.width = columnWidthUnits(i);
        formats.push_back(std::move(f));
    }
    return writeListFormat(formats);
}

void BrowseList::setColumnWidthUnits(int column, int units) {
    if (units <= 0) {
        table_->setColumnHidden(column, true);
        return;
    }
    table_->setColumnHidden(column, false);
    table_->setColumnWidth(column, DialogUnits(table_->font()).toPixelsX(units));
}

int BrowseList::columnWidthUnits(int column) const {
    if (table_->isColumnHidden(column)) return 0;
    return DialogUnits(table_->font()).fromPixelsX(table_->columnWidth(column));
}

std::int64_t BrowseList::setSortOrder(const SortOrder& order, const FilterBindings& bindings) {
    order_ = order;
    bindings_ = bindings;
    return reload();
}

std::int64_t BrowseList::reload(const KeyPosition* at) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ViewOptions options{order_.key, order_.filter};
    options.bindings = bindings_;
    const std::int64_t n = model_->reload(options);
    QApplication::restoreOverrideCursor();
    if (n < 0) return n;
    const int row = at != nullptr ? model_->rowOf(*at) : 0;
    selectRow(std::clamp(row, 0, static_cast<int>(std::max<std::int64_t>(n - 1, 0))));
    if (n == 0) {
        file_.buffer().clear();
        emit highlightChanged();
    }
    return n;
}

int BrowseList::currentRow() const {
    return table_->currentIndex().isValid() ? table_->currentIndex().row() : -1;
}

void BrowseList::selectRow(int row) {
    if (row < 0 || row >= model_->rowCount()) return;
    const QModelIndex index = model_->index(row, std::max(table_->currentIndex().column(), 0));
    if (index == table_->currentIndex()) {
        loadHighlighted();
        emit highlightChanged();
    }
    table_->setCurrentIndex(index);
    table_->scrollTo(index);
}

bool BrowseList::loadHighlighted() {
    const ViewRow* row = model_->rowAt(currentRow());
    if (row == nullptr) return false;
    file_.buffer().loadStored(row->values, row->rowid);
    return true;
}

void BrowseList::locate(const QString& typed) {
    if (order_.key < 0 || order_.locatorField < 0 || typed.isEmpty()) return;
    KeyPosition at{file_.buffer().values(), 0};
    const FieldDef& field = file_.def().fields[static_cast<std::size_t>(order_.locatorField)];
    FieldValue& value = at.values.fields[static_cast<std::size_t>(order_.locatorField)];
    if (field.isText()) {
        value.text = typed.toStdString();
    } else if (typed.at(0).isDigit()) {
        value.number = typed.at(0).digitValue();
    } else {
        return;
    }
    // Only the locator field, the key's first component, decides; later components start
    // from their lowest values.
    const KeyDef& key = file_.def().keys[static_cast<std::size_t>(order_.key)];
    for (std::size_t i = 1; i < key.components.size(); ++i) {
        at.values.fields[static_cast<std::size_t>(key.components[i].field)] = {};
    }
    const int row = model_->rowOf(at);
    if (row >= 0) selectRow(std::min(row, model_->rowCount() - 1));
}

bool BrowseList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (text.size() == 1 && text.at(0).isPrint() && !text.at(0).isSpace() &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            locate(text);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace ntx
