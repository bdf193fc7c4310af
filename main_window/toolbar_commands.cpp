// The toolbar: each button by its upper-cased Key.
#include "core/text.h"
#include "main_window/main_form.h"

namespace corvana {
namespace {

// The four view buttons also sort the list by name, ascending.
void ShowItemsAs(forms::ListView& list, int view) {
  list.SetView(view);
  list.SetSorted(true);
  list.SetSortKey(0);
  list.SetSortOrder(0);
}

}  // namespace

void MainForm::WireToolbar() {
  Toolbar1().ButtonClick = [this](const forms::ToolbarButtonRef& button) { Toolbar1_ButtonClick(button); };
}

void MainForm::Toolbar1_ButtonClick(const forms::ToolbarButtonRef& Button) {
  if (!Button) return;
  const std::string key = UpperCase(Button->Key());
  forms::ListView& list = lstItems();
  if (key == "NEW") {
    mnuNew_Click();
  } else if (key == "DELETE") {
    mnuDelete_Click();
  } else if (key == "OPTIONS") {
    ShowOptionsDialog();
  } else if (key == "LIST") {
    ShowItemsAs(list, forms::kListView);
  } else if (key == "SMALLICONS") {
    ShowItemsAs(list, forms::kSmallIconView);
    list.Refresh();
  } else if (key == "DETAILS") {
    ShowItemsAs(list, forms::kReportView);
  } else if (key == "LARGEICONS") {
    ShowItemsAs(list, forms::kIconView);
  } else if (key == "EDIT") {
    mnuEdit_Click();
  } else if (key == "INFO") {
    ShowAboutBox();
  } else if (key == "IMPORT") {
    ImportVncFile();
  }
}

}  // namespace corvana
