#pragma once
// A slot that holds one form and creates it on first use: any access through
// the slot loads the form and runs its set-up, nested, before the access goes
// on. The slot holds the new form before its set-up runs, so set-ups that
// touch each other find each other instead of recursing.

#include "forms/Runtime.h"

#include <functional>
#include <memory>

namespace forms {

template <class T>
class FormSlot {
public:
    using Factory = std::function<std::unique_ptr<T>()>;

    FormSlot(Runtime& runtime, Factory factory) : runtime_(runtime), factory_(std::move(factory)) {}

    // Touches the form: creates and sets it up when it is not loaded.
    T& operator()() {
        if (!form_) {
            form_ = factory_();
            T& form = *form_;
            runtime_.notifyLoaded(form);
            form.load();
            // The set-up may have unloaded the form again; hand out what it left.
            if (form_.get() != &form) return form_ ? *form_ : form;
        }
        return *form_;
    }

    bool loaded() const { return form_ != nullptr; }
    // The form if loaded, without creating it.
    T* ifLoaded() const { return form_.get(); }

    // Empties the slot; unloading a form that is not loaded does nothing.
    void unload() {
        if (!form_) return;
        form_->unloading();
        if (form_) runtime_.retire(std::move(form_));
    }

private:
    Runtime& runtime_;
    Factory factory_;
    std::unique_ptr<T> form_;
};

}  // namespace forms
