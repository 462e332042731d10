// A database with one module of three algorithms and a template of twenty tasks, shared by
// the task-queue and image tests.
#pragma once

#include <gtest/gtest.h>

#include "model/configdb/config_db.h"
#include "model/demo/demo_contents.h"
#include "model/queue/task_cl.h"
#include "platform/codepage.h"
#include "support/model_db.h"

inline constexpr uint16_t kModule = 0x0701;
inline constexpr uint16_t kHourly = 0x0100;   // reference, 1-byte value, 2-byte value, text of 5
inline constexpr uint16_t kDaily = 0x0200;    // reference, text of 8, flag reference
inline constexpr uint16_t kService = 0x0300;  // one reference, used for F028h

class QueueTest : public ::testing::Test {
  protected:
    void SetUp() override {
        AlgParamRecord flag = ReferenceRecord(0x22, "Флаг");
        flag.TypeCode = 0;
        flag.ItemSize = 1;
        algs = {
            MakeAlg(kHourly, "Часовой архив",
                    {ReferenceRecord(0x10, "Ссылка", 1, 1, 2), ValueRecord(0x11, "Байт", 1),
                     ValueRecord(0x12, "Слово", 2), TextRecord(0x13, "Имя", 5)}),
            MakeAlg(kDaily, "Суточный архив",
                    {ReferenceRecord(0x20, "Ссылка", 2, 2, 1), TextRecord(0x21, "Имя", 8), flag}),
            MakeAlg(kService, "Служебный", {ReferenceRecord(0x30, "Счётчик")})};
        for (const auto& a : algs)
            db.Add(a);
        db.Add(MakeMod(kModule, "Модуль", {{kHourly, 1}, {kDaily, 2}, {kService, 3}}));
        TskFile tmpl;
        tmpl.Header.QueueName = Utf8ToSys("Шаблон");
        tmpl.Header.ModuleNumber = kModule;
        for (int i = 0; i < 20; ++i)
            tmpl.Tasks.push_back(DefaultTaskBlock(algs[i % 3]));
        tmpl.Header.TaskCount = 20;
        db.AddTemplate(kModule, tmpl);
        ASSERT_TRUE(db.Open());
    }
    void TearDown() override { DestroyConfigDb(); }

    std::unique_ptr<Task_CL> Queue(const std::string& saved = "") {
        return std::make_unique<Task_CL>(kModule, db.Root(), "", "", saved, &lib, false);
    }

    // Adds an enabled task of the given algorithm and timer group with default entries.
    static TParam& Add(Task_CL& q, uint16_t alg, int group = 1) {
        auto added = q.AddTask(alg, static_cast<uint8_t>(1 | (group << 1)));
        TParam& task = *q.TaskAt(added.Position);
        task.ResetFromAlgorithm();
        return task;
    }

    FixtureDb db;
    TSpisAlg lib;
    std::vector<AlgFile> algs;
};
