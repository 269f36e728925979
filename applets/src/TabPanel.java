import java.awt.Graphics;

/**
 * The menu surface with a tree in the body: the Tab&Tree applet, one tree
 * per tab, and the Tree applet, one tree and no strip. A tab's tree is built
 * when it is first shown, so a tab marked "on demand" reads its entries (or
 * its content file) only then.
 */
public class TabPanel extends BaseTabbedPanel {
    private static final long serialVersionUID = 1L;

    private final TreeView[] trees;

    TabPanel(Beans beans) {
        super(beans, beans.kind != Beans.TREE);
        trees = new TreeView[beans.tabs.size()];
        if (selected < 0 && !beans.tabsOnly && trees.length > 0) {
            selected = 0;
        }
        setBackground(beans.treeBack);
    }

    /** The tree in the body, null when the applet shows its tabs only or has none. */
    TreeView tree() {
        if (beans.tabsOnly || selected < 0 || selected >= trees.length) {
            return null;
        }
        if (trees[selected] == null) {
            beans.loadTree(selected);
            TreeView view = new TreeView(beans, beans.tabs.get(selected));
            view.setBounds(body, getFontMetrics(beans.treeFont));
            trees[selected] = view;
        }
        return trees[selected];
    }

    void layoutBody() {
        for (int i = 0; i < trees.length; i++) {
            if (trees[i] != null) {
                trees[i].setBounds(body, getFontMetrics(beans.treeFont));
            }
        }
    }

    void paintBody(Graphics g) {
        TreeView view = tree();
        if (view == null) {
            super.paintBody(g);
        } else {
            view.paint(g, this);
        }
    }

    boolean bodyMoved(int x, int y) {
        TreeView view = tree();
        if (view == null) {
            return false;
        }
        if (body.contains(x, y)) {
            return view.moved(x, y);
        }
        boolean had = view.hover != null;
        view.exited();
        return had;
    }

    boolean bodyPressed(int x, int y, boolean second, int clicks) {
        TreeView view = tree();
        if (view == null) {
            return false;
        }
        return view.pageAt(x, y) || view.pressed(x, y, second, clicks);
    }

    void bodyExited() {
        TreeView view = tree();
        if (view != null) {
            view.exited();
        }
    }

    boolean bodyWheel(int rotation) {
        TreeView view = tree();
        return view != null && view.scrollRows(rotation * 3);
    }

    DirectionButton bodyButtonAt(int x, int y) {
        TreeView view = tree();
        return view == null ? null : view.buttonAt(x, y);
    }

    boolean bodyStep(DirectionButton button) {
        TreeView view = tree();
        return view != null && view.step(button);
    }

    String tooltipText() {
        TreeView view = tree();
        return view == null ? null : view.tooltip();
    }
}
