#include "ViewTestSupport.h"

#include "platform/foundation/DebugLog.h"
#include "platform/ui/UIView.h"

#include <string>
#include <vector>

namespace platform {
namespace {

using testsupport::TestWindowView;

std::vector<std::string>& journal()
{
    static std::vector<std::string> lines;
    return lines;
}

class JournalView : public UIView {
public:
    explicit JournalView(std::string name) : m_name(std::move(name)) {}
    void willMoveToSuperview(const UIViewPtr& view) override
    {
        journal().push_back(m_name + ".willMoveToSuperview(" + (view ? "view" : "null") + ")");
    }
    void didMoveToSuperview() override { journal().push_back(m_name + ".didMoveToSuperview"); }
    void willMoveToWindow(const std::shared_ptr<UIWindow>&) override
    {
        journal().push_back(m_name + ".willMoveToWindow");
    }
    void didMoveToWindow() override
    {
        journal().push_back(m_name + ".didMoveToWindow(" + (windowView() ? "in" : "out") + ")");
    }
    void didAddSubview(const UIViewPtr&) override { journal().push_back(m_name + ".didAddSubview"); }
    void willRemoveSubview(const UIViewPtr&) override { journal().push_back(m_name + ".willRemoveSubview"); }

private:
    std::string m_name;
};

std::vector<UIView*> order(const UIView& parent)
{
    std::vector<UIView*> views;
    for (const auto& subview : parent.subviews()) {
        views.push_back(subview.get());
    }
    return views;
}

std::vector<CALayer*> layerOrder(const UIView& parent)
{
    std::vector<CALayer*> layers;
    for (const auto& layer : parent.layer()->sublayers()) {
        layers.push_back(layer.get());
    }
    return layers;
}

TEST(ViewHierarchyTest, SubviewOrderAndLayerOrderFollowEveryOperation)
{
    auto parent = NSObject::create<UIView>();
    auto a = NSObject::create<UIView>();
    auto b = NSObject::create<UIView>();
    auto c = NSObject::create<UIView>();
    auto d = NSObject::create<UIView>();
    auto extraLayer = CALayer::layer();

    parent->addSubview(a);
    parent->addSubview(b);
    parent->layer()->addSublayer(extraLayer); // a standalone layer on top
    parent->insertSubview(c, 1);
    EXPECT_EQ(order(*parent), (std::vector<UIView*>{a.get(), c.get(), b.get()}));
    // The new view's layer goes right below its next sibling's, not above the standalone layer.
    EXPECT_EQ(layerOrder(*parent),
              (std::vector<CALayer*>{a->layer().get(), c->layer().get(), b->layer().get(), extraLayer.get()}));

    parent->insertSubviewBelow(d, a);
    EXPECT_EQ(order(*parent), (std::vector<UIView*>{d.get(), a.get(), c.get(), b.get()}));
    parent->insertSubviewAbove(d, c); // a move within the same parent
    EXPECT_EQ(order(*parent), (std::vector<UIView*>{a.get(), c.get(), d.get(), b.get()}));
    parent->bringSubviewToFront(a);
    EXPECT_EQ(order(*parent), (std::vector<UIView*>{c.get(), d.get(), b.get(), a.get()}));
    parent->sendSubviewToBack(b);
    EXPECT_EQ(order(*parent), (std::vector<UIView*>{b.get(), c.get(), d.get(), a.get()}));
    parent->insertSubview(c, 100);
    EXPECT_EQ(order(*parent), (std::vector<UIView*>{b.get(), d.get(), a.get(), c.get()}));
    parent->addSubview(b); // re-adding brings to front
    EXPECT_EQ(order(*parent), (std::vector<UIView*>{d.get(), a.get(), c.get(), b.get()}));

    // View layers keep the subviews' relative order.
    std::vector<CALayer*> viewLayers;
    for (auto* layer : layerOrder(*parent)) {
        if (layer != extraLayer.get()) {
            viewLayers.push_back(layer);
        }
    }
    EXPECT_EQ(viewLayers,
              (std::vector<CALayer*>{d->layer().get(), a->layer().get(), c->layer().get(), b->layer().get()}));

    a->removeFromSuperview();
    EXPECT_EQ(order(*parent), (std::vector<UIView*>{d.get(), c.get(), b.get()}));
    EXPECT_EQ(a->superview(), nullptr);
    EXPECT_EQ(a->layer()->superlayer(), nullptr);
    a->removeFromSuperview(); // harmless twice

    // Moving to another parent takes the view out of the first.
    auto other = NSObject::create<UIView>();
    other->addSubview(c);
    EXPECT_EQ(order(*parent), (std::vector<UIView*>{d.get(), b.get()}));
    EXPECT_EQ(c->superview(), other);
    EXPECT_EQ(c->layer()->superlayer(), other->layer());
}

TEST(ViewHierarchyTest, CyclesAndNullViewsAreRefused)
{
    auto parent = NSObject::create<UIView>();
    auto child = NSObject::create<UIView>();
    parent->addSubview(child);
    DebugLogCapture capture;
    child->addSubview(parent);
    child->addSubview(child);
    parent->addSubview(nullptr);
    EXPECT_EQ(capture.lines().size(), 3u);
    EXPECT_EQ(parent->superview(), nullptr);
    EXPECT_TRUE(child->subviews().empty());
    EXPECT_TRUE(child->isDescendant(*parent));
    EXPECT_FALSE(parent->isDescendant(*child));
}

TEST(ViewHierarchyTest, MoveCallbacksComeInOrderAndReachTheWholeSubtree)
{
    auto window = NSObject::create<TestWindowView>();
    auto parent = std::shared_ptr<JournalView>(NSObject::create<JournalView>("parent"));
    auto child = NSObject::create<JournalView>("child");
    auto grandchild = NSObject::create<JournalView>("grandchild");
    child->addSubview(grandchild);
    window->addSubview(parent);
    journal().clear();

    parent->addSubview(child);
    EXPECT_EQ(journal(), (std::vector<std::string>{
                             "child.willMoveToSuperview(view)",
                             "child.willMoveToWindow",
                             "grandchild.willMoveToWindow",
                             "child.didMoveToWindow(in)",
                             "grandchild.didMoveToWindow(in)",
                             "child.didMoveToSuperview",
                             "parent.didAddSubview",
                         }));
    EXPECT_EQ(grandchild->windowView(), window);

    journal().clear();
    child->removeFromSuperview();
    EXPECT_EQ(journal(), (std::vector<std::string>{
                             "child.willMoveToSuperview(null)",
                             "child.willMoveToWindow",
                             "grandchild.willMoveToWindow",
                             "parent.willRemoveSubview",
                             "child.didMoveToWindow(out)",
                             "grandchild.didMoveToWindow(out)",
                             "child.didMoveToSuperview",
                         }));
    EXPECT_EQ(grandchild->windowView(), nullptr);

    // Between two parents outside any window: no window callbacks; reordering: no callbacks.
    auto loose = NSObject::create<JournalView>("loose");
    loose->addSubview(child);
    journal().clear();
    auto sibling = NSObject::create<UIView>();
    loose->addSubview(sibling);
    loose->sendSubviewToBack(sibling);
    EXPECT_EQ(journal(), (std::vector<std::string>{"loose.didAddSubview"}));
}

TEST(ViewHierarchyTest, TagsAndIdentifiersFindViews)
{
    auto root = NSObject::create<UIView>();
    auto a = NSObject::create<UIView>();
    auto b = NSObject::create<UIView>();
    auto deep = NSObject::create<UIView>();
    a->setTag(5);
    deep->setTag(7);
    b->setTag(7);
    root->addSubview(a);
    a->addSubview(deep);
    root->addSubview(b);
    EXPECT_EQ(root->viewWithTag(5), a);
    EXPECT_EQ(root->viewWithTag(7), deep); // depth first: a's subtree before b
    EXPECT_EQ(root->viewWithTag(0), root);
    EXPECT_EQ(root->viewWithTag(99), nullptr);
    a->setAccessibilityIdentifier("field");
    EXPECT_EQ(a->accessibilityIdentifier(), std::optional<std::string>("field"));
    EXPECT_EQ(b->accessibilityIdentifier(), std::nullopt);
}

class EditingView : public UIView {
public:
    bool allowResign = true;
    int resignCalls = 0;
    bool canBecomeFirstResponder() const override { return true; }
    bool canResignFirstResponder() const override { return allowResign; }
    bool resignFirstResponder() override
    {
        ++resignCalls;
        return UIView::resignFirstResponder();
    }
};

class ViewResponderTest : public testsupport::ViewTest {};

TEST_F(ViewResponderTest, FirstResponderMovesResignsAndEndsEditing)
{
    auto window = NSObject::create<TestWindowView>();
    auto form = NSObject::create<UIView>();
    auto first = NSObject::create<EditingView>();
    auto second = NSObject::create<EditingView>();
    window->addSubview(form);
    form->addSubview(first);
    form->addSubview(second);
    auto plain = NSObject::create<UIView>();
    EXPECT_FALSE(plain->becomeFirstResponder());

    EXPECT_TRUE(first->becomeFirstResponder());
    EXPECT_TRUE(first->isFirstResponder());
    EXPECT_TRUE(second->becomeFirstResponder());
    EXPECT_EQ(first->resignCalls, 1);
    EXPECT_FALSE(first->isFirstResponder());
    EXPECT_EQ(UIResponder::currentFirstResponder(), second);

    // A responder that refuses to resign keeps its status, unless ending editing is forced.
    second->allowResign = false;
    EXPECT_FALSE(first->becomeFirstResponder());
    EXPECT_TRUE(second->isFirstResponder());
    EXPECT_TRUE(first->endEditing(false)); // nothing under `first`
    EXPECT_FALSE(form->endEditing(false));
    EXPECT_TRUE(second->isFirstResponder());
    EXPECT_TRUE(form->endEditing(true));
    EXPECT_EQ(UIResponder::currentFirstResponder(), nullptr);

    // Leaving the window resigns a first responder inside the removed subtree.
    second->allowResign = true;
    EXPECT_TRUE(first->becomeFirstResponder());
    form->removeFromSuperview();
    EXPECT_FALSE(first->isFirstResponder());

    // The next responder is the owning controller when there is one, else the superview.
    EXPECT_EQ(first->nextResponder(), form);
    auto controller = NSObject::create<UIViewOwningController>();
    form->setOwningController(controller);
    EXPECT_EQ(form->nextResponder(), controller);
}

} // namespace
} // namespace platform
