#include "dynamics/DynamicsInputs.h"
#include "dynamics/DynamicsText.h"
#include "dynamics/DynamicsFixture.h"
#include "model/Units.h"

#include <gtest/gtest.h>

using namespace trochix;
using dynamics::DynamicsBox;
using dyntest::NewModel;

namespace {
const std::string kPositive = "This value must be positive.  Please redo.";
const std::string kFriction = "Friction cannot be negative.  Please redo.";
} // namespace

TEST(DynamicsBoxes, RefusedValuesShowTheirMessageAndReset) {
    struct Case {
        DynamicsBox box;
        const char* typed;
        std::string message;
        const char* reset;
    };
    const Case cases[] = {
        {DynamicsBox::Mass, "-0.5", kPositive, "0.01"},
        {DynamicsBox::Preload, "-1", kPositive, "1"},
        {DynamicsBox::Spring, "-132", kPositive, "1"},
        {DynamicsBox::Damping, "-.2", kPositive, "1"},
        {DynamicsBox::Journal, "-2", kPositive, "1"},
        {DynamicsBox::Zeta, "-0.1", "Zeta must be between 0 and 1.  Please redo", "0.25"},
        {DynamicsBox::Zeta, "1.01", "Zeta must be between 0 and 1.  Please redo", "0.25"},
        {DynamicsBox::FollowerFriction, "-0.1", kFriction, "0.1"},
        {DynamicsBox::JournalFriction, "-3", kFriction, "0.01"},
    };
    for (const Case& c : cases) {
        model::RecordingHost host;
        auto m = NewModel(host);
        const auto before = std::make_unique<model::CamModel>(*m);
        const auto r = dynamics::CommitDynamicsBox(*m, host, c.box, c.typed);
        EXPECT_FALSE(r.accepted) << c.typed;
        EXPECT_EQ(r.boxText, c.reset);
        EXPECT_FALSE(r.rerun);
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text, c.message);
        EXPECT_EQ(host.messages[0].icon, model::Icon::Warning);
        EXPECT_EQ(host.messages[0].title, model::DefaultTitle());
        // the model keeps its previous values
        EXPECT_EQ(m->EffMass, before->EffMass);
        EXPECT_EQ(m->Preload, before->Preload);
        EXPECT_EQ(m->SpringK, before->SpringK);
        EXPECT_EQ(m->DampC, before->DampC);
        EXPECT_EQ(m->JournalRadius, before->JournalRadius);
        EXPECT_EQ(m->DampRatio, before->DampRatio);
        EXPECT_EQ(m->FollowerFriction, before->FollowerFriction);
        EXPECT_EQ(m->JournalFriction, before->JournalFriction);
    }
}

TEST(DynamicsBoxes, FluctuationOutsideZeroToOneBecomesFiveHundredths) {
    for (const char* typed : {"0", "-0.2", "1.5"}) {
        model::RecordingHost host;
        auto m = NewModel(host);
        m->FluctCoef = 0.3f;
        const auto r = dynamics::CommitDynamicsBox(*m, host, DynamicsBox::Fluctuation, typed);
        EXPECT_FALSE(r.accepted);
        EXPECT_EQ(r.boxText, "0.05");
        EXPECT_EQ(m->FluctCoef, 0.05f);
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text,
                  " Coefficient of fluctuation must be between zero and one - Try .05 ");
        EXPECT_EQ(host.messages[0].icon, model::Icon::Warning);
    }
}

TEST(DynamicsBoxes, AcceptedValuesAreStored) {
    model::RecordingHost host;
    auto m = NewModel(host);
    struct Case {
        DynamicsBox box;
        const char* typed;
        float model::CamModel::*field;
        float stored;
    };
    const Case cases[] = {
        {DynamicsBox::Mass, "0", &model::CamModel::EffMass, 0.0f}, // zero passes "< 0"
        {DynamicsBox::Preload, "250", &model::CamModel::Preload, 250.0f},
        {DynamicsBox::Spring, "0", &model::CamModel::SpringK, 0.0f},
        {DynamicsBox::Damping, "1.25", &model::CamModel::DampC, 1.25f},
        {DynamicsBox::Journal, "3", &model::CamModel::JournalRadius, 1.5f}, // diameter in
        {DynamicsBox::Zeta, "1", &model::CamModel::DampRatio, 1.0f},
        {DynamicsBox::Zeta, "0", &model::CamModel::DampRatio, 0.0f},
        {DynamicsBox::FollowerFriction, "0", &model::CamModel::FollowerFriction, 0.0f},
        {DynamicsBox::JournalFriction, ".02", &model::CamModel::JournalFriction, 0.02f},
        {DynamicsBox::Fluctuation, "1", &model::CamModel::FluctCoef, 1.0f},
    };
    for (const Case& c : cases) {
        m->TorqueStartFresh = true;
        auto r = dynamics::CommitDynamicsBox(*m, host, c.box, c.typed);
        EXPECT_TRUE(r.accepted) << c.typed;
        EXPECT_TRUE(r.rerun);
        EXPECT_EQ(r.boxText, c.typed);
        EXPECT_EQ((*m).*c.field, c.stored) << c.typed;
        m->TorqueStartFresh = false; // Accumulate: no automatic rerun
        r = dynamics::CommitDynamicsBox(*m, host, c.box, c.typed);
        EXPECT_FALSE(r.rerun);
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST(DynamicsBoxes, TextsOfTheDefaults) {
    model::RecordingHost host;
    auto m = NewModel(host);
    m->JournalRadius = 9.0f;
    model::MassProp(*m);
    const auto t = dynamics::BoxTexts(*m);
    EXPECT_EQ(t.mass, "0.073804");
    EXPECT_EQ(t.spring, "132");
    EXPECT_EQ(t.preload, "173");
    EXPECT_EQ(t.zeta, "0.15");
    EXPECT_EQ(t.journal, "1"); // twice the radius 0.5
    EXPECT_EQ(t.journalFriction, "0.01");
    EXPECT_EQ(t.followerFriction, "0.1");
    EXPECT_EQ(t.fluctuation, "0.05");
    EXPECT_EQ(dynamics::BoxText(-0.25f), "-0.25");
    EXPECT_EQ(dynamics::BoxText(1.5e7f), "1.5E+07");
}

TEST(DynamicsBoxes, SpringRateDecidesHowDampingIsEntered) {
    EXPECT_TRUE(dynamics::DampingBoxes(0.0f).coefficientEditable);
    EXPECT_FALSE(dynamics::DampingBoxes(0.0f).zetaEditable);
    EXPECT_TRUE(dynamics::DampingBoxes(132.0f).zetaEditable);
    EXPECT_FALSE(dynamics::DampingBoxes(132.0f).coefficientEditable);
}

TEST(DynamicsScreen, OpeningClearsForceAndFreshTorque) {
    for (bool fresh : {true, false}) {
        model::RecordingHost host;
        auto m = NewModel(host);
        m->TorqueStartFresh = fresh;
        m->DynamicsDone = true;
        for (int i = 0; i <= m->NumPoints; ++i) {
            m->Results[7][i] = 5.0f;
            m->Results[8][i] = 6.0f;
            m->Results[15][i] = 7.0f;
        }
        dynamics::ClearDynamicsResults(*m);
        EXPECT_FALSE(m->DynamicsDone);
        for (int i : {0, 180, 360}) {
            EXPECT_EQ(m->Results[7][i], 0.0f);
            EXPECT_EQ(m->Results[8][i], fresh ? 0.0f : 6.0f);
            EXPECT_EQ(m->Results[15][i], 7.0f);
        }
    }
}

TEST(DynamicsScreen, AccumulateWarning) {
    model::RecordingHost host;
    dynamics::ShowAccumulateWarning(host);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "Selecting Torque Accumulation will cause each succeeding\r"
              " torque calculation to add to the existing torque function.\r\r"
              "So do not click the Calculate Button on this form more than once\r"
              "for each new cam on the camshaft after designing it on the other forms.");
    EXPECT_EQ(host.messages[0].icon, model::Icon::Warning);
    EXPECT_EQ(host.messages[0].title, model::DefaultTitle());
}

TEST(DynamicsScreen, UnitLabelsFollowTheUnitSystem) {
    model::RecordingHost host;
    auto m = NewModel(host);
    auto u = dynamics::UnitTexts(*m);
    EXPECT_EQ(u.mass, "bl");
    EXPECT_EQ(u.springForce, "lb");
    EXPECT_EQ(u.springLength, "in");
    EXPECT_EQ(u.dampingForce, "lb-s");
    EXPECT_EQ(u.torque, "lb-in");
    model::SelectUnitSystem(*m, 5);
    u = dynamics::UnitTexts(*m);
    EXPECT_EQ(u.mass, "kg");
    EXPECT_EQ(u.dampingForce, "KN-s");
    EXPECT_EQ(u.journal, "mm");
    EXPECT_EQ(u.force, "KN");
    EXPECT_EQ(u.torque, "KN-mm");
}
