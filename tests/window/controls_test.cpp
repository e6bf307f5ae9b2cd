// SPDX-License-Identifier: GPL-3.0-or-later
// The window model: design values and the rules by which assignments raise
// notifications.
#include "error_message.h"
#include "form_driver.h"
#include "locale_formats.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace window {
namespace {

// A sink that records what the controls raise and can react inside.
struct RecordingSink : NotificationSink {
    struct Raised {
        ControlId id;
        Notification notification;
        bool operator==(const Raised &) const = default;
    };
    std::vector<Raised> raised;
    std::function<void(ControlId)> react;

    void Raise(ControlId id, Notification notification) override {
        raised.push_back({id, notification});
        if (react)
            react(id);
    }
};

TEST(TextFieldRules, AssignmentRaisesChangeInsideAndNestsForTheSameField) {
    RecordingSink sink;
    TextField field(sink, {Control::txtCs, 2}, "0", FieldKind::Editable, 6);
    std::vector<std::string> seenInside;
    sink.react = [&](ControlId) {
        seenInside.push_back(field.Text());
        if (field.Text() == "-5")
            field.SetText("5"); // nested, before the outer assignment returns
    };

    field.SetText("-5");

    EXPECT_EQ(seenInside, (std::vector<std::string>{"-5", "5"}));
    EXPECT_EQ(sink.raised.size(), 2u);
    EXPECT_EQ(sink.raised[0].id, (ControlId{Control::txtCs, 2}));
    EXPECT_EQ(field.Text(), "5");
}

TEST(TextFieldRules, UnchangedTextRaisesNothingAndLongProgramTextsStayWhole) {
    RecordingSink sink;
    TextField field(sink, {Control::txtUst, 0}, "0", FieldKind::Editable, 6);
    field.SetText("0");
    EXPECT_TRUE(sink.raised.empty());
    field.SetText("2000000000");
    EXPECT_EQ(field.Text(), "2000000000");
    EXPECT_EQ(sink.raised.size(), 1u);
}

TEST(TextFieldRules, ShownFlagChangesRaiseNothingAndHiddenTextsCanBeAssigned) {
    RecordingSink sink;
    TextField field(sink, {Control::txtCst, 0}, "", FieldKind::ReadOnly);
    field.SetShown(false);
    EXPECT_TRUE(sink.raised.empty());
    field.SetText("12");
    field.SetShown(true);
    EXPECT_EQ(field.Text(), "12");
    EXPECT_EQ(sink.raised.size(), 1u);
}

TEST(PickListRules, AssigningAnEntryTextChoosesItAndRaisesClickInside) {
    RecordingSink sink;
    PickList list(sink, {Control::cboCs, 2}, {"pF", "nF", "uF"});
    EXPECT_EQ(list.Text(), "");
    EXPECT_EQ(list.ListIndex(), -1);
    std::string textInside;
    sink.react = [&](ControlId) { textInside = list.Text(); };

    list.SetText(list.List(0));

    EXPECT_EQ(textInside, "pF");
    EXPECT_EQ(list.Text(), "pF");
    EXPECT_EQ(list.ListIndex(), 0);
    ASSERT_EQ(sink.raised.size(), 1u);
    EXPECT_EQ(sink.raised[0], (RecordingSink::Raised{{Control::cboCs, 2}, Notification::Click}));
}

TEST(PickListRules, UserChoiceAlwaysRaisesClickAndForeignTextsAreRefused) {
    RecordingSink sink;
    PickList list(sink, {Control::cboUst, 0}, {"uV", "mV", "V", "kV"});
    list.Choose(2);
    list.Choose(2);
    EXPECT_EQ(sink.raised.size(), 2u);
    EXPECT_EQ(list.Text(), "V");
    EXPECT_THROW(list.SetText("v"), std::invalid_argument); // case-sensitive
    EXPECT_THROW(list.SetText("MV"), std::invalid_argument);
    EXPECT_THROW(list.Choose(4), std::out_of_range);
    EXPECT_THROW(list.Choose(-1), std::out_of_range);
    EXPECT_EQ(list.Text(), "V");
}

struct DesignField {
    ControlId id;
    const char *text;
    bool readOnly;
    bool limited;
};

TEST(DesignValues, EveryControlBeforeTheLoad) {
    DeliveryLog log;
    frmTolvarine form(test_support::EnglishFormat(), &log);
    std::vector<DesignField> fields;
    for (int k = 0; k < 4; ++k) {
        fields.push_back({{Control::txtCs, k}, "0", false, true});
        fields.push_back({{Control::txtUs, k}, "0", true, false});
        fields.push_back({{Control::txtUMUs, k}, "", true, false});
    }
    fields.push_back({{Control::txtUst, 0}, "0", false, true});
    fields.push_back({{Control::txtCst, 0}, "", true, false});
    for (const DesignField &f : fields) {
        const TextField &field = form.Field(f.id);
        SCOPED_TRACE(static_cast<int>(f.id.control) * 10 + f.id.index);
        EXPECT_EQ(field.Text(), f.text);
        EXPECT_EQ(field.ReadOnly(), f.readOnly);
        EXPECT_EQ(field.Limit(), f.limited ? std::optional<std::size_t>(6) : std::nullopt);
        EXPECT_TRUE(field.Shown());
    }
    for (int k = 0; k < 4; ++k) {
        const PickList &list = form.List({Control::cboCs, k});
        EXPECT_EQ(list.Text(), "");
        ASSERT_EQ(list.ListCount(), 3);
        EXPECT_EQ(list.List(0), "pF");
        EXPECT_EQ(list.List(1), "nF");
        EXPECT_EQ(list.List(2), "uF");
    }
    EXPECT_EQ(Text(form, UstUnit), "");
    ASSERT_EQ(form.List(UstUnit).ListCount(), 4);
    EXPECT_EQ(form.List(UstUnit).List(0), "uV");
    EXPECT_EQ(form.List(UstUnit).List(1), "mV");
    EXPECT_EQ(form.List(UstUnit).List(2), "V");
    EXPECT_EQ(form.List(UstUnit).List(3), "kV");
    EXPECT_EQ(Text(form, CstUnit), "pF");
    EXPECT_EQ(Text(form, Caption(0)), "Capacitate echivalentă:");
    EXPECT_EQ(Text(form, Caption(3)), "Tensiunea aplicată (~):");
    EXPECT_TRUE(IsShown(form, Caption(0)));
    EXPECT_TRUE(IsShown(form, Caption(3)));
    EXPECT_EQ(form.ButtonOf(Clear).Caption(), "Sterge valori");
    EXPECT_FALSE(IsShown(form, Eroare));
    EXPECT_EQ(log.recalculations, 0u);
}

TEST(DesignValues, LabelArrayHasOnlyElementsZeroAndThree) {
    frmTolvarine form(test_support::EnglishFormat());
    for (int index : {-1, 1, 2, 4})
        EXPECT_THROW(form.LabelOf(Caption(index)), std::out_of_range) << index;
}

TEST(FormDelivery, AssignmentRunsTheHandlerWithItsIndexBeforeReturning) {
    DeliveryLog log;
    frmTolvarine form(test_support::EnglishFormat(), &log);

    Type(form, Cs(1), "5");
    ASSERT_FALSE(log.entries.empty());
    EXPECT_EQ(log.entries[0].id, (ControlId{Control::txtCs, 1}));
    EXPECT_EQ(log.entries[0].notification, Notification::Change);
    EXPECT_EQ(log.entries[0].fieldText, "5");
    EXPECT_EQ(log.recalculations, 1u); // the handler ran inside the assignment
    EXPECT_EQ(Text(form, Cst), "5");

    log.entries.clear();
    Choose(form, CsUnit(2), "pF");
    ASSERT_FALSE(log.entries.empty());
    EXPECT_EQ(log.entries[0].id, (ControlId{Control::cboCs, 2}));
    EXPECT_EQ(log.entries[0].notification, Notification::Click);
    // The results written by the recalculation raise nothing that is handled.
    for (std::size_t i = 1; i < log.entries.size(); ++i) {
        const Control c = log.entries[i].id.control;
        EXPECT_TRUE(c == Control::txtCst || c == Control::txtUs || c == Control::txtUMUs);
        EXPECT_EQ(log.entries[i].depth, 2);
    }
    EXPECT_EQ(log.recalculations, 2u);
}

TEST(FormDelivery, UserCannotChangeReadOnlyFieldsOrHiddenOnes) {
    DeliveryLog log;
    frmTolvarine form(test_support::EnglishFormat(), &log);
    form.Start({});
    log.Clear();
    const std::vector<ControlId> readOnly = {
        {Control::txtCst, 0}, {Control::txtUs, 0}, {Control::txtUs, 3}, {Control::txtUMUs, 1}};
    for (const ControlId id : readOnly) {
        const std::string before = form.Field(id).Text();
        EXPECT_FALSE(EditAt(form, id, CharacterCount(before), 0, "9").accepted);
        EXPECT_EQ(form.Field(id).Text(), before);
    }
    EXPECT_TRUE(log.entries.empty());
    // A control that is no field or no list: the entry points return, and
    // the band tells of the unexpected error; no input changes.
    EXPECT_FALSE(EditAt(form, {Control::lblUMs, 0}, 0, 0, "x").accepted);
    form.UserChoose({Control::txtCs, 0}, 0);
    EXPECT_EQ(Text(form, Eroare), UnexpectedErrorMessage());
    EXPECT_EQ(form.Field(Cs(0)).Text(), "0");
}

TEST(FormDelivery, SeventhCharacterIsRefusedAndRaisesNothing) {
    for (const ControlId field : {Cs(0), Cs(3), Ust}) {
        DeliveryLog log;
        frmTolvarine form(test_support::EnglishFormat(), &log);
        form.Start({});
        Type(form, field, "123456");
        log.Clear();
        const auto outcome = EditAt(form, field, 6, 0, "7");
        EXPECT_FALSE(outcome.accepted);
        EXPECT_EQ(outcome.caret, 6u);
        EXPECT_EQ(form.Field(field).Text(), "123456");
        EXPECT_TRUE(log.entries.empty());
    }
}

TEST(FormDelivery, PasteTooLongIsRefusedWholeAndDeletingAlwaysWorks) {
    DeliveryLog log;
    frmTolvarine form(test_support::EnglishFormat(), &log);
    form.Start({});
    Type(form, Cs(0), "12");
    log.Clear();
    const std::size_t runs = log.recalculations;
    const auto pasted = EditAt(form, Cs(0), 2, 0, "99999999", EditSource::Pasted);
    EXPECT_FALSE(pasted.accepted);
    EXPECT_EQ(Text(form, Cs(0)), "12");
    EXPECT_EQ(pasted.caret, 2u);
    EXPECT_EQ(log.recalculations, runs);
    EXPECT_TRUE(log.entries.empty());

    // A program text longer than the limit stays; the user may still delete.
    Type(form, Cs(1), "-5E6");
    ASSERT_EQ(Text(form, Cs(1)), "5000000");
    EXPECT_FALSE(EditAt(form, Cs(1), 7, 0, "1").accepted);
    EXPECT_TRUE(EditAt(form, Cs(1), 6, 1, "").accepted);
    EXPECT_EQ(Text(form, Cs(1)), "500000");
}

} // namespace
} // namespace window
