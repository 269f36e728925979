import java.awt.AWTEvent;
import java.awt.Color;
import java.awt.Dimension;
import java.awt.FontMetrics;
import java.awt.Graphics;
import java.awt.Graphics2D;
import java.awt.Image;
import java.awt.Panel;
import java.awt.Polygon;
import java.awt.Rectangle;
import java.awt.event.ActionEvent;
import java.awt.event.ActionListener;
import java.awt.event.InputEvent;
import java.awt.event.MouseEvent;
import java.awt.event.MouseWheelEvent;
import java.util.ArrayList;
import java.util.List;

/**
 * The menu surface of every applet: a row of tabs on top or at the bottom,
 * scrolled by two direction buttons when it is wider than the applet, and
 * a body below or above it. As the Tab applet it shows the tabs alone and a
 * tab click follows the tab's link; TabPanel puts a tree in the body.
 *
 * The panel draws everything itself into one buffer and handles the mouse
 * itself, so it needs no native widgets and can be drawn into any image,
 * which is how the tests render it without a display.
 *
 * A plain click follows an entry's first link in its target frame; a right
 * click, or a click with Shift held, follows its second link.
 */
public class BaseTabbedPanel extends Panel implements ActionListener {
    private static final long serialVersionUID = 1L;
    static final int TOOLTIP_DELAY = 600;
    static final String TOOLTIP = "tooltip";
    static final String REPEAT = "repeat";

    final Beans beans;
    /** False for the Tree applet, whose single tab has no strip. */
    final boolean showStrip;
    /** The chosen tab, -1 for none. */
    int selected;
    int hover = -1;
    /** The first tab shown while the strip is scrolled. */
    int firstTab;
    /** Each tab's place; empty while it is scrolled away. */
    final List<Rectangle> tabBounds = new ArrayList<Rectangle>();
    final Rectangle strip = new Rectangle();
    final Rectangle body = new Rectangle();
    /** Tabs are drawn left of this edge, the scroll buttons right of it. */
    private int tabLimit;
    final DirectionButton left = new DirectionButton(DirectionButton.LEFT);
    final DirectionButton right = new DirectionButton(DirectionButton.RIGHT);
    private final Timer tipTimer = new Timer(this, TOOLTIP, TOOLTIP_DELAY, 0);
    private final Timer repeatTimer = new Timer(this, REPEAT, 400, 60);
    private DirectionButton held;
    /** The tooltip shown, null for none, and the mouse position it belongs to. */
    String tipText;
    private int tipX;
    private int tipY;
    private int mouseX;
    private int mouseY;
    private Dimension laidOut;
    private Image buffer;

    BaseTabbedPanel(Beans beans, boolean showStrip) {
        this.beans = beans;
        this.showStrip = showStrip;
        selected = beans.startTab;
        setBackground(showStrip ? beans.tabBack : beans.treeBack);
        enableEvents(AWTEvent.MOUSE_EVENT_MASK | AWTEvent.MOUSE_MOTION_EVENT_MASK
                | AWTEvent.MOUSE_WHEEL_EVENT_MASK);
    }

    // ---- layout

    /** Lays the panel out for its current size, when that changed. */
    void ensureLayout() {
        Dimension size = getSize();
        if (size.equals(laidOut)) {
            return;
        }
        laidOut = new Dimension(size);
        FontMetrics fm = getFontMetrics(beans.tabFont);
        int height = showStrip ? Math.min(fm.getHeight() + 8, size.height) : 0;
        if (beans.tabsOnBottom) {
            strip.setBounds(0, size.height - height, size.width, height);
            body.setBounds(0, 0, size.width, size.height - height);
        } else {
            strip.setBounds(0, 0, size.width, height);
            body.setBounds(0, height, size.width, size.height - height);
        }
        layoutTabs();
        layoutBody();
    }

    private void layoutTabs() {
        FontMetrics fm = getFontMetrics(beans.tabFont);
        int count = showStrip ? beans.tabs.size() : 0;
        int[] widths = new int[count];
        int total = 2;
        for (int i = 0; i < count; i++) {
            widths[i] = Math.max(24, fm.stringWidth(beans.tabs.get(i).text) + 16);
            total += widths[i];
        }
        boolean overflow = total > strip.width;
        left.visible = overflow;
        right.visible = overflow;
        tabLimit = strip.width;
        if (overflow) {
            int w = 14;
            int h = Math.max(8, strip.height - 6);
            int y = beans.tabsOnBottom ? strip.y + 3 : strip.y + strip.height - h - 3;
            right.bounds.setBounds(strip.width - w - 1, y, w, h);
            left.bounds.setBounds(strip.width - 2 * w - 1, y, w, h);
            tabLimit = strip.width - 2 * w - 3;
        } else {
            firstTab = 0;
        }
        tabBounds.clear();
        int x = 2;
        for (int i = 0; i < count; i++) {
            if (i < firstTab) {
                tabBounds.add(new Rectangle());
            } else {
                tabBounds.add(new Rectangle(x, strip.y, widths[i], strip.height));
                x += widths[i];
            }
        }
        left.enabled = firstTab > 0;
        right.enabled = x > tabLimit;
    }

    /** Moves the strip by whole tabs; true when it moved. */
    boolean scrollTabs(int delta) {
        int next = firstTab + delta;
        if (next < 0 || next >= beans.tabs.size() || (delta > 0 && !right.enabled)) {
            return false;
        }
        firstTab = next;
        layoutTabs();
        return true;
    }

    /** The tab under the point, -1 for none. */
    int tabAt(int x, int y) {
        if (!showStrip || x >= tabLimit || !strip.contains(x, y)) {
            return -1;
        }
        for (int i = 0; i < tabBounds.size(); i++) {
            if (tabBounds.get(i).contains(x, y)) {
                return i;
            }
        }
        return -1;
    }

    // ---- painting

    public void update(Graphics g) {
        paint(g);
    }

    /** Draws through an off-screen buffer; without a screen (tests) straight into g. */
    public void paint(Graphics g) {
        Dimension size = getSize();
        if (size.width <= 0 || size.height <= 0) {
            return;
        }
        if (buffer == null || buffer.getWidth(null) != size.width
                || buffer.getHeight(null) != size.height) {
            buffer = createImage(size.width, size.height);
        }
        if (buffer == null) {
            render(g);
            return;
        }
        Graphics offscreen = buffer.getGraphics();
        try {
            render(offscreen);
        } finally {
            offscreen.dispose();
        }
        g.drawImage(buffer, 0, 0, null);
    }

    void render(Graphics g) {
        ensureLayout();
        paintBody(g);
        if (showStrip) {
            paintStrip(g);
        }
        if (tipText != null) {
            paintTooltip(g);
        }
    }

    /** The tab colour or the tab background image. */
    void paintSurface(Graphics g, Rectangle area) {
        g.setColor(beans.tabBack);
        g.fillRect(area.x, area.y, area.width, area.height);
        if (beans.tabBackImage != null) {
            Beans.tile(g, beans.tabBackImage, area, this);
        }
    }

    private void paintStrip(Graphics g) {
        paintSurface(g, strip);
        Color outline = Beans.contrast(beans.tabBack);
        int edge = beans.tabsOnBottom ? strip.y : strip.y + strip.height - 1;
        g.setColor(outline);
        g.drawLine(0, edge, strip.width - 1, edge);
        Graphics tabs = g.create();
        tabs.clipRect(0, strip.y, tabLimit, strip.height);
        tabs.setFont(beans.tabFont);
        for (int i = 0; i < tabBounds.size(); i++) {
            if (i != selected) {
                paintTab(tabs, i, edge, outline);
            }
        }
        if (selected >= 0 && selected < tabBounds.size()) {
            paintTab(tabs, selected, edge, outline);
        }
        tabs.dispose();
        left.paint(g);
        right.paint(g);
    }

    /** A tab grows from the edge line towards the outside; the chosen one stands taller and joins the body. */
    private void paintTab(Graphics g, int i, int edge, Color outline) {
        Rectangle r = tabBounds.get(i);
        if (r.width == 0) {
            return;
        }
        boolean chosen = i == selected;
        int dir = beans.tabsOnBottom ? 1 : -1;
        int height = strip.height - (chosen ? 1 : 4);
        int far = edge + dir * height;
        int x1 = r.x;
        int x2 = r.x + r.width - 1;
        Polygon shape = new Polygon();
        shape.addPoint(x1, edge);
        shape.addPoint(x1, far - dir * 2);
        shape.addPoint(x1 + 2, far);
        shape.addPoint(x2 - 2, far);
        shape.addPoint(x2, far - dir * 2);
        shape.addPoint(x2, edge);
        g.setColor(beans.tabBack);
        g.fillPolygon(shape);
        if (beans.tabBackImage != null && g instanceof Graphics2D) {
            Graphics2D inside = (Graphics2D) g.create();
            inside.clip(shape);
            Beans.tile(inside, beans.tabBackImage, shape.getBounds(), this);
            inside.dispose();
        }
        g.setColor(outline);
        g.drawLine(x1, edge, x1, far - dir * 2);
        g.drawLine(x1, far - dir * 2, x1 + 2, far);
        g.drawLine(x1 + 2, far, x2 - 2, far);
        g.drawLine(x2 - 2, far, x2, far - dir * 2);
        g.drawLine(x2, far - dir * 2, x2, edge);
        if (chosen) {
            g.setColor(beans.tabBack);
            g.drawLine(x1 + 1, edge, x2 - 1, edge);
        }
        FontMetrics fm = g.getFontMetrics();
        String text = beans.tabs.get(i).text;
        int mid = edge + dir * height / 2;
        g.setColor(i == hover ? beans.tabOver : beans.tabText);
        g.drawString(text, r.x + (r.width - fm.stringWidth(text)) / 2,
                mid - fm.getHeight() / 2 + fm.getAscent());
    }

    private void paintTooltip(Graphics g) {
        Dimension size = getSize();
        g.setFont(beans.treeFont);
        FontMetrics fm = g.getFontMetrics();
        List<String> lines = wrap(tipText, fm, Math.max(40, size.width - 10));
        int width = 0;
        for (int i = 0; i < lines.size(); i++) {
            width = Math.max(width, fm.stringWidth(lines.get(i)));
        }
        width += 6;
        int height = lines.size() * fm.getHeight() + 4;
        int x = Math.max(0, Math.min(tipX + 8, size.width - width));
        int y = tipY + 18;
        if (y + height > size.height) {
            y = Math.max(0, tipY - height - 4);
        }
        g.setColor(beans.tipBack);
        g.fillRect(x, y, width, height);
        g.setColor(beans.tipText);
        g.drawRect(x, y, width - 1, height - 1);
        for (int i = 0; i < lines.size(); i++) {
            g.drawString(lines.get(i), x + 3, y + 2 + i * fm.getHeight() + fm.getAscent());
        }
    }

    /** Breaks text at blanks into lines no wider than width, where the words allow. */
    static List<String> wrap(String text, FontMetrics fm, int width) {
        List<String> lines = new ArrayList<String>();
        String[] words = text.trim().split("\\s+");
        String line = "";
        for (int i = 0; i < words.length; i++) {
            String candidate = line.length() == 0 ? words[i] : line + " " + words[i];
            if (line.length() > 0 && fm.stringWidth(candidate) > width) {
                lines.add(line);
                line = words[i];
            } else {
                line = candidate;
            }
        }
        lines.add(line);
        return lines;
    }

    // ---- mouse

    protected void processMouseEvent(MouseEvent e) {
        switch (e.getID()) {
        case MouseEvent.MOUSE_PRESSED:
            pressed(e.getX(), e.getY(), isSecondAction(e), e.getClickCount());
            break;
        case MouseEvent.MOUSE_RELEASED:
            released();
            break;
        case MouseEvent.MOUSE_EXITED:
            exited();
            break;
        default:
            break;
        }
        super.processMouseEvent(e);
    }

    protected void processMouseMotionEvent(MouseEvent e) {
        moved(e.getX(), e.getY());
        super.processMouseMotionEvent(e);
    }

    protected void processMouseWheelEvent(MouseWheelEvent e) {
        if (bodyWheel(e.getWheelRotation())) {
            hideTooltip();
            repaint();
        }
        super.processMouseWheelEvent(e);
    }

    /** The second link goes with the right button or a Shift-click. */
    static boolean isSecondAction(MouseEvent e) {
        return e.isShiftDown() || (e.getModifiers() & InputEvent.BUTTON3_MASK) != 0;
    }

    void moved(int x, int y) {
        ensureLayout();
        mouseX = x;
        mouseY = y;
        boolean changed = bodyMoved(x, y);
        int tab = tabAt(x, y);
        if (tab != hover) {
            hover = tab;
            changed = true;
            if (tab >= 0) {
                beans.status(beans.tabs.get(tab).status);
                beans.playOver();
            }
        }
        if (changed) {
            hideTooltip();
            if (tooltipText() != null) {
                tipTimer.start();
            }
            repaint();
        }
    }

    void pressed(int x, int y, boolean second, int clicks) {
        ensureLayout();
        hideTooltip();
        DirectionButton button = buttonAt(x, y);
        if (button != null) {
            if (button.enabled) {
                button.pressed = true;
                held = button;
                step(button);
                repeatTimer.start();
            }
            repaint();
            return;
        }
        int tab = tabAt(x, y);
        if (tab >= 0) {
            chooseTab(tab, second);
            repaint();
        } else if (bodyPressed(x, y, second, clicks)) {
            repaint();
        }
    }

    void released() {
        repeatTimer.stop();
        if (held != null) {
            held.pressed = false;
            held = null;
            repaint();
        }
    }

    void exited() {
        bodyExited();
        if (hover >= 0) {
            hover = -1;
            beans.status("");
        }
        hideTooltip();
        repaint();
    }

    private DirectionButton buttonAt(int x, int y) {
        if (left.contains(x, y)) {
            return left;
        }
        if (right.contains(x, y)) {
            return right;
        }
        return bodyButtonAt(x, y);
    }

    private boolean step(DirectionButton button) {
        if (button == left) {
            return scrollTabs(-1);
        }
        if (button == right) {
            return scrollTabs(1);
        }
        return bodyStep(button);
    }

    /** Choosing a tab shows it and follows its first link, or its second for the second action. */
    void chooseTab(int index, boolean second) {
        beans.playClick();
        TreeNode tab = beans.tabs.get(index);
        if (index != selected) {
            bodyExited();
            selected = index;
        }
        if (second) {
            beans.follow(tab.url2, tab.target2);
        } else {
            beans.follow(tab.url1, tab.target1);
        }
    }

    /** The timers call back here, on the event thread. */
    public void actionPerformed(ActionEvent e) {
        if (TOOLTIP.equals(e.getActionCommand())) {
            tipText = tooltipText();
            tipX = mouseX;
            tipY = mouseY;
            repaint();
        } else if (REPEAT.equals(e.getActionCommand()) && held != null) {
            if (step(held)) {
                repaint();
            }
        }
    }

    private void hideTooltip() {
        tipTimer.stop();
        if (tipText != null) {
            tipText = null;
            repaint();
        }
    }

    /** The applet stops: no timer may fire any more. */
    void stopTimers() {
        tipTimer.stop();
        repeatTimer.stop();
    }

    // ---- the body; the Tab applet's body is bare tab surface

    void layoutBody() {
    }

    void paintBody(Graphics g) {
        paintSurface(g, body);
    }

    boolean bodyMoved(int x, int y) {
        return false;
    }

    boolean bodyPressed(int x, int y, boolean second, int clicks) {
        return false;
    }

    void bodyExited() {
    }

    boolean bodyWheel(int rotation) {
        return false;
    }

    DirectionButton bodyButtonAt(int x, int y) {
        return null;
    }

    boolean bodyStep(DirectionButton button) {
        return false;
    }

    String tooltipText() {
        return null;
    }
}
