#pragma once
// Replaces the string-table ids that a form and its controls carry by the texts of the table.
namespace corvana::forms {

class Form;

// Each holder keeps its design text when its id is missing, not a number or not in the table.
void LocalizeForm(Form& form);

}  // namespace corvana::forms
