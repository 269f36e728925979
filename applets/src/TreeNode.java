import java.util.ArrayList;
import java.util.List;

/**
 * One menu entry: a tab, which is the root of its tree, or a node of a tree.
 *
 * A node entry is ten pieces split at ";": caption, first link, its target
 * frame, level, collapsed image, expanded image, status text, second link,
 * its target frame and "YES" when the node starts expanded. A tab entry is
 * seven: caption, first link, its target, status text, second link, its
 * target and "YES" when its tree is built only when the tab is first shown.
 * Link, target and status pieces reading "None" (any case) are empty.
 */
public class TreeNode {
    String text = "";
    String url1 = "";
    String target1 = "";
    String status = "";
    String url2 = "";
    String target2 = "";
    /** Depth in the tree: 0 for top-level nodes, -1 for a tab. */
    int level;
    /** Image pieces as written: "folder", "leaf", an image path or empty. */
    String collapsedImage = "";
    String expandedImage = "";
    boolean openExpanded;
    boolean expanded;
    /** A "***" entry: drawn as a rule, never a link. */
    boolean separator;
    /** Tabs only: build the tree when the tab is first shown. */
    boolean onDemand;
    /** Tabs only: the tree has been built. */
    boolean loaded;
    TreeNode parent;
    final List<TreeNode> children = new ArrayList<TreeNode>();

    boolean isFolder() {
        return !children.isEmpty();
    }

    boolean hasNextSibling() {
        if (parent == null) {
            return false;
        }
        List<TreeNode> siblings = parent.children;
        return siblings.indexOf(this) < siblings.size() - 1;
    }

    boolean hasPreviousSibling() {
        return parent != null && parent.children.indexOf(this) > 0;
    }

    /** Every node below this one in page order (depth first, pre-order). */
    List<TreeNode> descendants() {
        List<TreeNode> out = new ArrayList<TreeNode>();
        collect(this, out);
        return out;
    }

    private static void collect(TreeNode node, List<TreeNode> out) {
        for (int i = 0; i < node.children.size(); i++) {
            TreeNode child = node.children.get(i);
            out.add(child);
            collect(child, out);
        }
    }

    void add(TreeNode child) {
        child.parent = this;
        child.level = level + 1;
        children.add(child);
    }

    /** A tab from its "TAB<i>" value. */
    static TreeNode parseTab(String value) {
        String[] p = split(value);
        TreeNode tab = new TreeNode();
        tab.level = -1;
        tab.text = piece(p, 0);
        tab.url1 = optional(piece(p, 1));
        tab.target1 = optional(piece(p, 2));
        tab.status = optional(piece(p, 3));
        tab.url2 = optional(piece(p, 4));
        tab.target2 = optional(piece(p, 5));
        tab.onDemand = piece(p, 6).equalsIgnoreCase("YES");
        return tab;
    }

    /** Entries with "*" among their first three characters are separators. */
    static boolean isSeparatorEntry(String entry) {
        for (int i = 0; i < 3 && i < entry.length(); i++) {
            if (entry.charAt(i) == '*') {
                return true;
            }
        }
        return false;
    }

    /**
     * Builds the tree below this tab from node entries in page order and
     * returns how many entries were skipped. A node hangs under the nearest
     * earlier entry one level up: a larger level number than the previous
     * entry's makes a child (one level deeper however large the step), an
     * equal one a sibling, a smaller one a sibling of the nearest ancestor at
     * that depth. Separators take no part in that: each is put just before
     * the next node, beside it, or after the last node when none follows.
     */
    int addEntries(List<String> entries) {
        int skipped = 0;
        TreeNode last = null;
        int previousNumber = 0;
        List<TreeNode> separators = new ArrayList<TreeNode>();
        for (int i = 0; i < entries.size(); i++) {
            String entry = entries.get(i);
            if (isSeparatorEntry(entry)) {
                TreeNode separator = new TreeNode();
                separator.separator = true;
                separators.add(separator);
                continue;
            }
            try {
                TreeNode node = parseNode(entry);
                int number = levelOf(entry);
                place(node, last, number, previousNumber);
                TreeNode parent = node.parent;
                for (int s = 0; s < separators.size(); s++) {
                    parent.insert(separators.get(s), parent.children.size() - 1);
                }
                separators.clear();
                last = node;
                previousNumber = number;
            } catch (InvalidTreeNodeException e) {
                skipped++;
            }
        }
        TreeNode parent = last == null ? this : last.parent;
        for (int s = 0; s < separators.size(); s++) {
            parent.add(separators.get(s));
        }
        return skipped;
    }

    private void insert(TreeNode child, int index) {
        child.parent = this;
        child.level = level + 1;
        children.add(index, child);
    }

    private void place(TreeNode node, TreeNode last, int number, int previousNumber)
            throws InvalidTreeNodeException {
        if (last == null) {
            add(node);
        } else if (number == previousNumber) {
            last.parent.add(node);
        } else if (number > previousNumber) {
            last.add(node);
        } else {
            TreeNode ancestor = last;
            while (ancestor != this && ancestor.level != number) {
                ancestor = ancestor.parent;
            }
            if (ancestor == this) {
                throw new InvalidTreeNodeException("no node at level " + number + " to follow");
            }
            ancestor.parent.add(node);
        }
    }

    /** A node from its entry; its level is set when it is placed in a tree. */
    static TreeNode parseNode(String entry) throws InvalidTreeNodeException {
        String[] p = split(entry);
        levelOf(entry);
        TreeNode node = new TreeNode();
        node.text = piece(p, 0);
        node.url1 = optional(piece(p, 1));
        node.target1 = optional(piece(p, 2));
        node.collapsedImage = piece(p, 4);
        node.expandedImage = piece(p, 5);
        node.status = optional(piece(p, 6));
        node.url2 = optional(piece(p, 7));
        node.target2 = optional(piece(p, 8));
        node.openExpanded = piece(p, 9).equalsIgnoreCase("YES");
        return node;
    }

    static int levelOf(String entry) throws InvalidTreeNodeException {
        String number = piece(split(entry), 3);
        try {
            int level = Integer.parseInt(number);
            if (level >= 0) {
                return level;
            }
        } catch (NumberFormatException e) {
            // reported below
        }
        throw new InvalidTreeNodeException("no level in entry \"" + entry + "\"");
    }

    static String[] split(String value) {
        String[] pieces = value.split(";", -1);
        for (int i = 0; i < pieces.length; i++) {
            pieces[i] = pieces[i].trim();
        }
        return pieces;
    }

    static String piece(String[] pieces, int index) {
        return index < pieces.length ? pieces[index] : "";
    }

    /** The editor writes "None" for an empty link, target or tab status. */
    static String optional(String piece) {
        return piece.equalsIgnoreCase("none") ? "" : piece;
    }
}
