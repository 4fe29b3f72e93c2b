#include "support/ScriptedPlatform.h"

#include <gtest/gtest.h>

namespace sorvel::testing {

namespace {

const char* kindName(ScriptedPlatform::Kind kind) {
    switch (kind) {
        case ScriptedPlatform::Kind::Message:
            return "message box";
        case ScriptedPlatform::Kind::YesNo:
            return "Yes/No box";
        case ScriptedPlatform::Kind::FontDialog:
            return "font dialog";
        case ScriptedPlatform::Kind::FileDialog:
            return "file dialog";
        case ScriptedPlatform::Kind::YesNoCancel:
            return "Yes/No/Cancel box";
        case ScriptedPlatform::Kind::PasteFormat:
            return "Paste Special dialog";
    }
    return "?";
}

}  // namespace

ScriptedPlatform::~ScriptedPlatform() {
    for (const Step& step : script_) {
        ADD_FAILURE() << "the script expected a " << kindName(step.kind)
                      << (step.text.empty() ? "" : " \"" + step.text + "\"") << " that never came";
    }
}

ScriptedPlatform& ScriptedPlatform::expectMessage(std::string text) {
    Step step;
    step.kind = Kind::Message;
    step.text = std::move(text);
    script_.push_back(std::move(step));
    return *this;
}

ScriptedPlatform& ScriptedPlatform::expectYesNo(std::string text, bool yes) {
    Step step;
    step.kind = Kind::YesNo;
    step.text = std::move(text);
    step.yes = yes;
    script_.push_back(std::move(step));
    return *this;
}

ScriptedPlatform& ScriptedPlatform::expectYesNoCancel(std::string text, Answer answer) {
    Step step;
    step.kind = Kind::YesNoCancel;
    step.text = std::move(text);
    step.answer = answer;
    script_.push_back(std::move(step));
    return *this;
}

ScriptedPlatform& ScriptedPlatform::expectPasteFormat(std::vector<std::string> formats,
                                                      std::optional<std::string> choice) {
    Step step;
    step.kind = Kind::PasteFormat;
    step.formats = std::move(formats);
    step.path = std::move(choice);
    script_.push_back(std::move(step));
    return *this;
}

ScriptedPlatform& ScriptedPlatform::expectFontDialog(
    std::optional<FontChoice> choice, std::function<void(const FontDialogRequest&)> check) {
    Step step;
    step.kind = Kind::FontDialog;
    step.font = std::move(choice);
    step.checkFont = std::move(check);
    script_.push_back(std::move(step));
    return *this;
}

ScriptedPlatform& ScriptedPlatform::expectFileDialog(
    std::optional<std::string> path, std::function<void(const FileDialogRequest&)> check) {
    Step step;
    step.kind = Kind::FileDialog;
    step.path = std::move(path);
    step.checkFile = std::move(check);
    script_.push_back(std::move(step));
    return *this;
}

ScriptedPlatform& ScriptedPlatform::expectFileDialogOfType(
    std::optional<std::string> path, std::size_t filter,
    std::function<void(const FileDialogRequest&)> check) {
    expectFileDialog(std::move(path), std::move(check));
    script_.back().filter = filter;
    return *this;
}

std::optional<ScriptedPlatform::Step> ScriptedPlatform::next(Kind kind, std::string_view what) {
    if (script_.empty()) {
        ADD_FAILURE() << "unexpected " << kindName(kind) << ": " << what;
        return std::nullopt;
    }
    Step step = std::move(script_.front());
    script_.pop_front();
    if (step.kind != kind) {
        ADD_FAILURE() << "expected a " << kindName(step.kind) << " but got a " << kindName(kind)
                      << ": " << what;
        return std::nullopt;
    }
    return step;
}

void ScriptedPlatform::messageBox(std::string_view text) {
    events_.push_back({Kind::Message, std::string(text), std::nullopt, std::nullopt});
    if (auto step = next(Kind::Message, text)) {
        EXPECT_EQ(step->text, text) << "message box text";
    }
}

void ScriptedPlatform::messageBoxUtf8(std::string_view utf8) {
    events_.push_back({Kind::Message, std::string(utf8), std::nullopt, std::nullopt, true});
    if (auto step = next(Kind::Message, utf8)) {
        EXPECT_EQ(step->text, utf8) << "message box text";
    }
}

bool ScriptedPlatform::askYesNo(std::string_view text) {
    events_.push_back({Kind::YesNo, std::string(text), std::nullopt, std::nullopt});
    auto step = next(Kind::YesNo, text);
    if (!step) {
        return false;
    }
    EXPECT_EQ(step->text, text) << "Yes/No box text";
    return step->yes;
}

bool ScriptedPlatform::askYesNoUtf8(std::string_view utf8, Answer defaultAnswer) {
    defaultAnswer_ = defaultAnswer;
    const bool yes = askYesNo(utf8);
    events_.back().utf8 = true;
    return yes;
}

Answer ScriptedPlatform::askYesNoCancel(std::string_view text) {
    events_.push_back({Kind::YesNoCancel, std::string(text), std::nullopt, std::nullopt});
    auto step = next(Kind::YesNoCancel, text);
    if (!step) {
        return Answer::Cancel;
    }
    EXPECT_EQ(step->text, text) << "Yes/No/Cancel box text";
    return step->answer;
}

std::optional<std::size_t> ScriptedPlatform::choosePasteFormat(
    const std::vector<std::string>& formats) {
    events_.push_back({Kind::PasteFormat, {}, std::nullopt, std::nullopt});
    auto step = next(Kind::PasteFormat, "Paste Special");
    if (!step) {
        return std::nullopt;
    }
    EXPECT_EQ(step->formats, formats) << "the formats offered";
    if (!step->path) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < formats.size(); ++i) {
        if (formats[i] == *step->path) {
            return i;
        }
    }
    ADD_FAILURE() << "the format " << *step->path << " was not offered";
    return std::nullopt;
}

std::optional<FontChoice> ScriptedPlatform::chooseFont(const FontDialogRequest& request) {
    events_.push_back({Kind::FontDialog, {}, request, std::nullopt});
    auto step = next(Kind::FontDialog, std::string(request.initial.faceName.view()));
    if (!step) {
        return std::nullopt;
    }
    if (step->checkFont) {
        step->checkFont(request);
    }
    return step->font;
}

std::optional<std::string> ScriptedPlatform::chooseFile(const FileDialogRequest& request) {
    std::optional<FileChoice> chosen = chooseFileAndType(request);
    if (!chosen) {
        return std::nullopt;
    }
    return std::move(chosen->path);
}

std::optional<FileChoice> ScriptedPlatform::chooseFileAndType(const FileDialogRequest& request) {
    events_.push_back({Kind::FileDialog, {}, std::nullopt, request});
    auto step = next(Kind::FileDialog, request.save ? "save" : "open");
    if (!step) {
        return std::nullopt;
    }
    if (step->checkFile) {
        step->checkFile(request);
    }
    if (!step->path) {
        return std::nullopt;
    }
    if (step->filter) {
        EXPECT_LT(*step->filter, request.filters.size()) << "the dialog has no such type";
    }
    return FileChoice{*step->path, step->filter.value_or(request.selectedFilter)};
}

void ScriptedPlatform::setCursorShape(CursorShape shape) {
    cursor_ = shape;
}

int ScriptedPlatform::showCursor(bool show) {
    if (!show) {
        ++hides_;
    }
    return show ? ++cursorCount_ : --cursorCount_;
}

std::vector<std::string> ScriptedPlatform::messages() const {
    std::vector<std::string> out;
    for (const Event& e : events_) {
        if (e.kind == Kind::Message || e.kind == Kind::YesNo || e.kind == Kind::YesNoCancel) {
            out.push_back(e.text);
        }
    }
    return out;
}

}  // namespace sorvel::testing
