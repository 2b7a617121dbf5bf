#pragma once

#include "platform/Responder.h"

#include <memory>
#include <string>

namespace platform {

class View;

// Owns one view, loaded on first use from its interface description (loadView), before viewDidLoad.
class ViewController : public Responder {
public:
    explicit ViewController(std::string nibName = {});
    ~ViewController() override;
    ViewController(const ViewController&) = delete;
    ViewController& operator=(const ViewController&) = delete;

    const std::shared_ptr<View>& view();
    bool isViewLoaded() const { return view_ != nullptr; }
    const std::string& nibName() const { return nibName_; }

    virtual void viewDidLoad() {}
    virtual void viewWillAppear(bool /*animated*/) {}
    virtual void viewDidAppear(bool /*animated*/) {}
    virtual void viewWillDisappear(bool /*animated*/) {}
    virtual void viewDidDisappear(bool /*animated*/) {}

    // A modal screen covers the whole screen, under the status bar, until it is dismissed.
    // The caller keeps ownership of the modal controller. While the keyboard is in use, the modal
    // takes the focus once it stands, and gives it back to what had it when it is dismissed.
    void presentModalViewController(ViewController& modal, bool animated);
    void dismissModalViewControllerAnimated(bool animated);
    ViewController* modalViewController() const { return modal_; }
    ViewController* parentViewController() const { return parent_; }

    Responder* nextResponder() const override;

protected:
    // Builds the view tree and connects the outlets; the default makes a plain full-screen view.
    virtual void loadView();
    void setView(std::shared_ptr<View> view);

private:
    std::string nibName_;
    std::shared_ptr<View> view_;
    ViewController* modal_ = nullptr;
    ViewController* parent_ = nullptr;
    std::weak_ptr<View> modalOpener_;
};

} // namespace platform
