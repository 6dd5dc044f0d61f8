#pragma once
// "Cauta material": the small dialog of "Incarca material" that asks for the
// name to look for. The name is written into the current record as the user
// leaves the field; OK hands the record to the catalogue library's chooser,
// which loads the material picked there into it.

#include <QDialog>
#include <functional>

#include "platform/Platforma.h"
#include "record/SetLucru.h"

class QLineEdit;

namespace vitramor {

inline constexpr int IdCampNumeCautat = 101;

class IncarcaMaterialDialog : public QDialog {
    Q_OBJECT
public:
    // `material` is the current record: its name is shown ("*" written into
    // an empty one) and its producer is set to 0.
    IncarcaMaterialDialog(QWidget* parent, MaterialOptic& material);

    QLineEdit* camp() const { return camp_; }

public Q_SLOTS:
    void accept() override;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    // Copies the field (at most 15 characters) into the record's name when
    // the text was changed.
    void preiaNume();

    MaterialOptic& material_;
    QLineEdit* camp_;
    bool schimbat_ = false;
};

// The whole command on a working set: 1 when a material was loaded into the
// current record, 2 when the user cancelled (the name dialog, or
// `poateInlocui` said no), 0 when the chooser loaded nothing. The dialog and
// the chooser work on a copy: until a material is chosen and may replace the
// current one, the current record keeps every byte. `numePropus` (when not
// null) is the name the dialog starts with. The caller updates its list row.
int IncarcaMaterialInSetLucru(QWidget* owner, SetLucru& set = setLucru(), const char* numePropus = nullptr,
                              const std::function<bool()>& poateInlocui = {});

}  // namespace vitramor
