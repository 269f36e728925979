import java.awt.Color;
import java.awt.FontMetrics;
import java.awt.Graphics;
import java.awt.Image;
import java.awt.Rectangle;
import java.awt.image.ImageObserver;
import java.util.ArrayList;
import java.util.List;

/**
 * The tree of one tab, drawn by its host panel into a rectangle: toggle
 * symbols, leaf symbols, dotted or solid lines, icons, captions with the
 * selection and mouse-over marks, and a scroll column with two direction
 * buttons when the open nodes do not fit. The host passes mouse positions in
 * its own coordinates.
 */
public class TreeView {
    static final int INDENT = 16;
    static final int ICON = 16;
    static final int SCROLL_WIDTH = 14;

    final Beans beans;
    final TreeNode root;
    final Rectangle bounds = new Rectangle();
    /** The nodes that are shown (all ancestors open), in page order. */
    final List<TreeNode> rows = new ArrayList<TreeNode>();
    private int[] rowTops = new int[0];
    private int contentHeight;
    private int rowHeight = ICON + 2;
    private FontMetrics metrics;
    /** Pixels scrolled off the top. */
    int scroll;
    TreeNode selected;
    TreeNode hover;
    final DirectionButton up = new DirectionButton(DirectionButton.UP);
    final DirectionButton down = new DirectionButton(DirectionButton.DOWN);
    private final Rectangle track = new Rectangle();

    TreeView(Beans beans, TreeNode root) {
        this.beans = beans;
        this.root = root;
    }

    void setBounds(Rectangle area, FontMetrics fontMetrics) {
        bounds.setBounds(area);
        metrics = fontMetrics;
        rowHeight = Math.max(metrics.getHeight(), ICON) + 2;
        rebuildRows();
    }

    /** The space inside the border. */
    private Rectangle inner() {
        int inset = beans.border ? 2 : 0;
        return new Rectangle(bounds.x + inset, bounds.y + inset,
                Math.max(0, bounds.width - 2 * inset), Math.max(0, bounds.height - 2 * inset));
    }

    /** The space the rows are drawn in: inside the border, left of the scroll column. */
    Rectangle rowArea() {
        Rectangle r = inner();
        if (up.visible) {
            r.width = Math.max(0, r.width - SCROLL_WIDTH);
        }
        return r;
    }

    /** Call after nodes open or close. */
    void rebuildRows() {
        rows.clear();
        addOpen(root);
        rowTops = new int[rows.size()];
        int y = 0;
        for (int i = 0; i < rows.size(); i++) {
            rowTops[i] = y;
            y += heightOf(rows.get(i));
        }
        contentHeight = y;
        Rectangle in = inner();
        boolean scrolling = contentHeight > in.height && in.height > 0;
        up.visible = scrolling;
        down.visible = scrolling;
        int buttonHeight = Math.min(SCROLL_WIDTH + 2, in.height / 2);
        int x = in.x + in.width - SCROLL_WIDTH;
        up.bounds.setBounds(x, in.y, SCROLL_WIDTH, buttonHeight);
        down.bounds.setBounds(x, in.y + in.height - buttonHeight, SCROLL_WIDTH, buttonHeight);
        track.setBounds(x, in.y + buttonHeight, SCROLL_WIDTH, Math.max(0, in.height - 2 * buttonHeight));
        scrollBy(0);
        if (selected != null && !rows.contains(selected)) {
            selected = null;
        }
        if (hover != null && !rows.contains(hover)) {
            hover = null;
        }
    }

    private void addOpen(TreeNode parent) {
        for (int i = 0; i < parent.children.size(); i++) {
            TreeNode child = parent.children.get(i);
            rows.add(child);
            if (child.expanded) {
                addOpen(child);
            }
        }
    }

    private int heightOf(TreeNode node) {
        return node.separator ? Math.max(5, rowHeight / 2) : rowHeight;
    }

    /** Scrolls by the pixels given, within the content; true when the view moved. */
    boolean scrollBy(int pixels) {
        int max = Math.max(0, contentHeight - rowArea().height);
        int next = Math.max(0, Math.min(max, scroll + pixels));
        boolean moved = next != scroll;
        scroll = next;
        up.enabled = scroll > 0;
        down.enabled = scroll < max;
        return moved;
    }

    boolean scrollRows(int count) {
        return scrollBy(count * rowHeight);
    }

    /** One step for a held direction button. */
    boolean step(DirectionButton button) {
        return scrollRows(button == up ? -1 : 1);
    }

    DirectionButton buttonAt(int x, int y) {
        if (up.contains(x, y)) {
            return up;
        }
        return down.contains(x, y) ? down : null;
    }

    /** A click in the scroll track pages towards it; true when the view moved. */
    boolean pageAt(int x, int y) {
        if (!up.visible || !track.contains(x, y)) {
            return false;
        }
        Rectangle thumb = thumb();
        int page = Math.max(rowHeight, rowArea().height - rowHeight);
        return y < thumb.y ? scrollBy(-page) : y >= thumb.y + thumb.height && scrollBy(page);
    }

    private Rectangle thumb() {
        int area = rowArea().height;
        int length = Math.max(8, track.height * area / Math.max(1, contentHeight));
        length = Math.min(length, track.height);
        int max = Math.max(1, contentHeight - area);
        int top = track.y + (track.height - length) * scroll / max;
        return new Rectangle(track.x + 2, top, track.width - 4, length);
    }

    /** The row under the point, -1 for none. */
    int rowAt(int x, int y) {
        Rectangle area = rowArea();
        if (!area.contains(x, y)) {
            return -1;
        }
        int offset = y - area.y + scroll;
        for (int i = 0; i < rows.size(); i++) {
            if (offset >= rowTops[i] && offset < rowTops[i] + heightOf(rows.get(i))) {
                return i;
            }
        }
        return -1;
    }

    /** Left edge of a node's toggle column, from the row area's left edge. */
    private static int indentOf(TreeNode node) {
        return 2 + node.level * INDENT;
    }

    private int textLeft(TreeNode node) {
        return indentOf(node) + INDENT + (beans.icons ? ICON + 4 : 2);
    }

    /** The caption's rectangle of a visible row, in the host's coordinates. */
    Rectangle captionBounds(int row) {
        TreeNode node = rows.get(row);
        Rectangle area = rowArea();
        int width = metrics.stringWidth(node.text);
        return new Rectangle(area.x + textLeft(node) - 2, area.y + rowTops[row] - scroll + 1,
                width + 4, heightOf(node) - 2);
    }

    /** Moves the mouse over the tree; true when the node under it changed. */
    boolean moved(int x, int y) {
        int row = rowAt(x, y);
        TreeNode node = row < 0 || rows.get(row).separator ? null : rows.get(row);
        if (node == hover) {
            return false;
        }
        hover = node;
        if (node != null) {
            beans.status(node.status);
            beans.playOver();
        } else {
            beans.status("");
        }
        return true;
    }

    void exited() {
        if (hover != null) {
            hover = null;
            beans.status("");
        }
    }

    /**
     * A press on the tree. The toggle symbol opens or closes a folder; the
     * caption selects the node and follows its first link, or its second link
     * when second is set. Folders also open or close on a caption click, or
     * on a double click instead when the page asks for that (the second press
     * of a double click follows no link again). True when the view changed.
     */
    boolean pressed(int x, int y, boolean second, int clicks) {
        int row = rowAt(x, y);
        if (row < 0 || rows.get(row).separator) {
            return false;
        }
        TreeNode node = rows.get(row);
        int column = x - rowArea().x - indentOf(node);
        if (column < 0) {
            return false;
        }
        if (column < INDENT) {
            if (node.isFolder()) {
                toggle(node);
                return true;
            }
            return false;
        }
        beans.playClick();
        boolean changed = selected != node;
        selected = node;
        if (node.isFolder() && !second && clicks == (beans.doubleClickExpand ? 2 : 1)) {
            toggle(node);
            changed = true;
        }
        if (second) {
            beans.follow(node.url2, node.target2);
        } else if (clicks < 2) {
            beans.follow(node.url1, node.target1);
        }
        return changed;
    }

    void toggle(TreeNode node) {
        node.expanded = !node.expanded;
        rebuildRows();
    }

    void paint(Graphics g, ImageObserver observer) {
        g.setColor(beans.treeBack);
        g.fillRect(bounds.x, bounds.y, bounds.width, bounds.height);
        if (beans.treeBackImage != null) {
            Beans.tile(g, beans.treeBackImage, bounds, observer);
        }
        if (beans.border) {
            paintBorder(g);
        }
        Rectangle area = rowArea();
        Graphics rowsGraphics = g.create(area.x, area.y, area.width, area.height);
        rowsGraphics.setFont(beans.treeFont);
        for (int i = 0; i < rows.size(); i++) {
            int top = rowTops[i] - scroll;
            if (top + heightOf(rows.get(i)) > 0 && top < area.height) {
                paintRow(rowsGraphics, rows.get(i), top, area.width, observer);
            }
        }
        rowsGraphics.dispose();
        if (up.visible) {
            paintScrollColumn(g);
        }
    }

    private void paintBorder(Graphics g) {
        Color dark = Beans.contrast(beans.treeBack);
        Color darker = Beans.mix(dark, Color.black, 40);
        Color light = Beans.mix(beans.treeBack, Color.white, 60);
        int x = bounds.x;
        int y = bounds.y;
        int r = x + bounds.width - 1;
        int b = y + bounds.height - 1;
        g.setColor(dark);
        g.drawLine(x, y, r, y);
        g.drawLine(x, y, x, b);
        g.setColor(darker);
        g.drawLine(x + 1, y + 1, r - 1, y + 1);
        g.drawLine(x + 1, y + 1, x + 1, b - 1);
        g.setColor(light);
        g.drawLine(x, b, r, b);
        g.drawLine(r, y, r, b);
    }

    private void paintScrollColumn(Graphics g) {
        g.setColor(Beans.mix(ButtonBase.FACE, Color.white, 50));
        g.fillRect(track.x, track.y, track.width, track.height);
        Rectangle thumb = thumb();
        g.setColor(ButtonBase.FACE);
        g.fillRect(thumb.x, thumb.y, thumb.width, thumb.height);
        g.setColor(Beans.mix(ButtonBase.FACE, Color.black, 40));
        g.drawRect(thumb.x, thumb.y, thumb.width - 1, thumb.height - 1);
        up.paint(g);
        down.paint(g);
    }

    private void paintRow(Graphics g, TreeNode node, int top, int width, ImageObserver observer) {
        int height = heightOf(node);
        int mid = top + height / 2;
        int x0 = indentOf(node);
        int centre = x0 + INDENT / 2;
        if (node.separator) {
            g.setColor(beans.lineColor);
            g.drawLine(x0 + 2, mid, width - 4, mid);
            return;
        }
        if (beans.lineStyle != 'X') {
            paintLines(g, node, top, height, centre);
        }
        if (node.isFolder()) {
            paintToggle(g, node, centre, mid);
        } else if (beans.leafSymbol) {
            g.setColor(beans.leafColor);
            g.fillRect(centre - 2, mid - 2, 5, 5);
        }
        int iconLeft = x0 + INDENT;
        if (beans.icons) {
            Image icon = beans.icon(node);
            if (icon != null) {
                int h = icon.getHeight(observer);
                g.drawImage(icon, iconLeft, mid - (h > 0 ? h : ICON) / 2, observer);
            }
        }
        int textX = textLeft(node);
        int textWidth = metrics.stringWidth(node.text);
        int baseline = top + (height - metrics.getHeight()) / 2 + metrics.getAscent();
        Color ink = beans.treeText;
        if (node == selected) {
            g.setColor(beans.selBack);
            g.fillRect(textX - 2, top + 1, textWidth + 4, height - 2);
            ink = beans.selText;
        } else if (node == hover) {
            ink = beans.overText;
        }
        g.setColor(ink);
        g.drawString(node.text, textX, baseline);
        if (node == hover && beans.overFrame != Beans.FRAME_NONE) {
            g.setColor(beans.overFrameColor);
            if (beans.overFrame == Beans.FRAME_RECT) {
                g.drawRect(textX - 2, top + 1, textWidth + 3, height - 3);
            } else {
                g.drawLine(textX, baseline + 2, textX + textWidth - 1, baseline + 2);
            }
        }
    }

    /** Connecting lines: to the parent or previous sibling, on to the next sibling, and through for open ancestors. */
    private void paintLines(Graphics g, TreeNode node, int top, int height, int centre) {
        int mid = top + height / 2;
        int bottom = top + height - 1;
        g.setColor(beans.lineColor);
        line(g, centre, mid, centre + INDENT / 2, mid);
        if (node.level > 0 || node.hasPreviousSibling()) {
            line(g, centre, top, centre, mid);
        }
        if (node.hasNextSibling()) {
            line(g, centre, mid, centre, bottom);
        }
        if (node.expanded && node.isFolder()) {
            int childCentre = centre + INDENT;
            line(g, childCentre, mid + ICON / 2, childCentre, bottom);
        }
        for (TreeNode a = node.parent; a != null && a.level >= 0; a = a.parent) {
            if (a.hasNextSibling()) {
                int x = indentOf(a) + INDENT / 2;
                line(g, x, top, x, bottom);
            }
        }
    }

    /** A horizontal or vertical line, dotted on even pixels or solid by the style. */
    private void line(Graphics g, int x1, int y1, int x2, int y2) {
        if (beans.lineStyle == 'B') {
            g.drawLine(x1, y1, x2, y2);
            return;
        }
        if (y1 == y2) {
            for (int x = Math.min(x1, x2); x <= Math.max(x1, x2); x++) {
                if (((x + y1 + scroll) & 1) == 0) {
                    g.drawLine(x, y1, x, y1);
                }
            }
        } else {
            for (int y = Math.min(y1, y2); y <= Math.max(y1, y2); y++) {
                if (((x1 + y + scroll) & 1) == 0) {
                    g.drawLine(x1, y, x1, y);
                }
            }
        }
    }

    /**
     * The toggle symbol of a folder. "A" is a box with plus or minus; "B",
     * "C" and "D" are boxes with an arrow pointing left, down or up while the
     * folder is closed, turning down, up and down when it is open; "E" and
     * "F" are the down and up arrows without a box.
     */
    private void paintToggle(Graphics g, TreeNode node, int cx, int cy) {
        char style = beans.toggleSymbol;
        if (style == 'X') {
            return;
        }
        boolean open = node.expanded;
        Color ink = open ? beans.folderOpenColor : beans.folderClosedColor;
        if (style != 'E' && style != 'F') {
            g.setColor(beans.treeBack);
            g.fillRect(cx - 4, cy - 4, 9, 9);
            g.setColor(ink);
            g.drawRect(cx - 4, cy - 4, 8, 8);
        }
        if (style == 'A') {
            g.drawLine(cx - 2, cy, cx + 2, cy);
            if (!open) {
                g.drawLine(cx, cy - 2, cx, cy + 2);
            }
            return;
        }
        int direction;
        switch (style) {
        case 'B':
            direction = open ? DirectionButton.DOWN : DirectionButton.LEFT;
            break;
        case 'C':
        case 'E':
            direction = open ? DirectionButton.UP : DirectionButton.DOWN;
            break;
        default:
            direction = open ? DirectionButton.DOWN : DirectionButton.UP;
            break;
        }
        int half = style == 'E' || style == 'F' ? 4 : 2;
        DirectionButton.drawArrow(g, direction, cx, cy, half, ink);
    }

    /** The status text to show as a tooltip for the node under the mouse, or null. */
    String tooltip() {
        if (!beans.tooltips || hover == null || hover.status.length() == 0) {
            return null;
        }
        return hover.status;
    }
}
