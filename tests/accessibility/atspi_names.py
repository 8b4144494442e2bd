#!/usr/bin/python3
"""What a screen reader on Linux reads: the program's accessible names over the AT-SPI bus.

Starts its own X server (Xvfb), D-Bus session bus and, through it, the accessibility bus and
registry; runs the program with accessibility on; and, as a screen-reader user would, opens each
calculator with its launch button's action, reads the names of the inputs and results of every
page, closes it with 閉じる and quits with 終了. Everything it started is killed at the end; a hard
timeout turns a hang into a failure.

Usage: atspi_names.py <program> <version as the program shows it, e.g. 4.00>
"""

import ctypes
import os
import random
import signal
import subprocess
import sys
import tempfile
import time

HARD_TIMEOUT = 240  # seconds for the whole run
WAIT = 20  # seconds for one thing to appear on the bus

# Names the screen reader must announce, for the dialogs whose names say most about the layout.
EXPECTED = {
    'チーム＞ゲーム差': ['上位 勝数', '上位 敗数', '下位 勝数', '下位 敗数', 'ゲーム差の計算結果'],
    '投手＞防御率': ['投球回数', '投球回数 /3', '自責点', '防御率の計算結果'],
    'チーム＞ランク確定の有無': [
        '全試合数', '上位 勝数', '上位 引分', '中位 勝数', '中位 引分', '中位 残試合',
        '下位 勝数', '下位 引分', '下位 残試合', 'ランク確定の有無の計算結果'],
    '打者＞打撃指標': [
        '打数', '安打', '二塁打', '三塁打', '本塁打', '四球', '死球', '犠飛', '三振',
        '打率の計算結果', '出塁率の計算結果', '長打率の計算結果', 'OPSの計算結果',
        'IsoPの計算結果', 'BABIPの計算結果', '塁打の計算結果', '入力エラー'],
    '投手＞投球指標': [
        '投球回', '投球回 /3', '被安打', '被本塁打', '与四球', '故意四球', '与死球', '奪三振',
        '自責点', 'FIP定数', '防御率の計算結果', 'WHIPの計算結果', '奪三振率の計算結果',
        '与四球率の計算結果', '被本塁打率の計算結果', 'K/BBの計算結果', 'FIPの計算結果',
        '入力エラー'],
}
# The logo's name and the window title carry the version as the program shows it (argument 2).
LOGO = 'Sekivo プロ野球記録計算機 Ver %s'
TITLE = 'Sekivo Ver %s'

failures = []
started = []  # processes to stop at the end, newest last
followed = []  # combo item / count name, after choosing an item


class Timeout(Exception):
    pass


def fail(message):
    failures.append(message)
    print('FAIL: ' + message, flush=True)


def on_alarm(signum, frame):
    raise Timeout('no result after %d s' % HARD_TIMEOUT)


def start(args, **kwargs):
    process = subprocess.Popen(args, **kwargs)
    started.append(process)
    return process


def read_line(fd):
    data = b''
    while not data.endswith(b'\n'):
        chunk = os.read(fd, 256)
        if not chunk:
            break
        data += chunk
    os.close(fd)
    return data.decode().strip()


def start_x_server():
    """Starts Xvfb on a free display and returns its name. Numbers far above the usual :0, :1
    keep clear of X servers that other programs start on a fixed display at the same moment."""
    for _ in range(20):
        number = random.randint(100, 899)
        if os.path.exists('/tmp/.X%d-lock' % number):
            continue
        r, w = os.pipe()
        # -noreset: by default the server resets when its last client leaves, as the
        # accessibility bus launcher does after marking the root window, and a client connecting
        # during that reset is refused.
        server = start(['Xvfb', ':%d' % number, '-displayfd', str(w), '-screen', '0', '1024x768x24',
                        '-nolisten', 'tcp', '-noreset'],
                       pass_fds=(w,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(w)
        display = read_line(r)
        if display and server.poll() is None:
            return ':' + display
    raise RuntimeError('Xvfb did not start')


def start_session_bus():
    r, w = os.pipe()
    start(['dbus-daemon', '--session', '--nofork', '--print-address=%d' % w],
          pass_fds=(w,), stderr=subprocess.DEVNULL)
    os.close(w)
    address = read_line(r)
    if not address:
        raise RuntimeError('dbus-daemon did not start')
    return address


def stop_everything():
    for process in reversed(started):
        if process.poll() is None:
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
    # The accessibility bus and registry were started by the session bus; as the subreaper this
    # process inherited them when it went away.
    for _ in range(50):
        children = orphans()
        if not children:
            break
        for pid in children:
            try:
                os.kill(pid, signal.SIGTERM if _ < 25 else signal.SIGKILL)
            except ProcessLookupError:
                pass
        reap()
        time.sleep(0.1)
    reap()


def orphans():
    me = str(os.getpid())
    found = []
    for entry in os.listdir('/proc'):
        if entry.isdigit():
            try:
                with open('/proc/%s/stat' % entry) as stat:
                    fields = stat.read().rsplit(')', 1)[1].split()
            except OSError:
                continue
            if fields[1] == me and fields[0] != 'Z':
                found.append(int(entry))
    return found


def reap():
    while True:
        try:
            pid, _ = os.waitpid(-1, os.WNOHANG)
        except ChildProcessError:
            return
        if pid == 0:
            return


def wait_for(what, probe, seconds=WAIT):
    deadline = time.monotonic() + seconds
    while True:
        result = probe()
        if result:
            return result
        if time.monotonic() > deadline:
            raise RuntimeError('timed out waiting for ' + what)
        time.sleep(0.1)


def walk(node):
    yield node
    if node.getRoleName() in ('combo box', 'spin button'):
        return  # their own children (the item list) are not fields of the form
    for child in node:
        if child is not None:
            yield from walk(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def announced_name(node):
    """What a screen reader says a field is: Qt names a combo box after its current item and
    gives its caption as the label relation, so for a combo box that label counts."""
    if node.getRoleName() == 'combo box':
        for relation in node.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                for i in range(relation.getNTargets()):
                    target = relation.getTarget(i)
                    if target.getRoleName() == 'label':
                        return target.name
    return node.name


def shown_label(node):
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            for i in range(relation.getNTargets()):
                target = relation.getTarget(i)
                if target.getRoleName() == 'label' and showing(target):
                    return target.name
    return None


def check_names_follow_the_item(title, window):
    """Chooses the next item of the showing combo box with the keyboard, as a user does; each
    count must then still be named by what its caption beside it shows."""
    combo = next((n for n in fields(window) if n.getRoleName() == 'combo box'), None)
    if combo is None:
        return
    before = combo.name
    combo.queryComponent().grabFocus()
    wait_for('the focus on the combo box', lambda: combo.getState().contains(pyatspi.STATE_FOCUSED))
    pyatspi.Registry.generateKeyboardEvent(0xff54, None, pyatspi.KEY_SYM)  # XK_Down
    wait_for('the next item', lambda: combo.name != before)
    for node in fields(window):
        label = shown_label(node) if node.getRoleName() == 'spin button' else None
        if label and not node.name.endswith(label):
            fail('%s: after choosing %s the count is named %s beside %s'
                 % (title, combo.name, node.name, label))
        elif label:
            followed.append('%s / %s' % (combo.name, node.name))


def fields(window):
    """The inputs and results a user can reach: showing spin buttons, combo boxes and entries."""
    return [n for n in walk(window)
            if n.getRoleName() in ('spin button', 'combo box', 'text', 'entry') and showing(n)]


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ('Press', 'press', 'click'):
            action.doAction(i)
            return
    action.doAction(0)


def find(window, role, name=None):
    for n in walk(window):
        if n.getRoleName() == role and (name is None or n.name.strip() == name):
            return n
    return None


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == 'sekivo' and app.childCount:
            return app
    return None


def window_titled(app, title_test):
    for window in app:
        if window is not None and title_test(window.name) and showing(window):
            return window
    return None


def check_dialog(app, title, group_titles, seen_names):
    window = wait_for('the dialog ' + title, lambda: window_titled(app, lambda t: t == title))
    group = next((n for n in walk(window) if n.getRoleName() == 'panel' and n.name.startswith('■')),
                 None)
    group_title = group.name if group else None
    # The pages of a tool box (a layered pane) open with its buttons; the dialog's own buttons
    # (計算, 閉じる, コピー ...) are not pages.
    pages = [n for n in walk(window) if n.getRoleName() == 'page tab'
             or (n.getRoleName() == 'push button' and n.parent.getRoleName() == 'layered pane')]
    names = []
    for page in pages or [None]:
        if page is not None:
            press(page)
            time.sleep(0.3)
            wait_for('page ' + page.name, lambda: any(
                n.getRoleName() in ('text', 'entry') for n in fields(window)))
        found = fields(window)
        if not any(n.getRoleName() in ('text', 'entry') for n in found):
            fail('%s %s: no result field showing' % (title, page.name if page else ''))
        for node in found:
            name = announced_name(node)
            where = '%s: %s' % (title, node.getRoleName())
            if not name.strip():
                fail(where + ' has no name')
            elif name == group_title:
                fail('%s is named only by the group box title %s' % (where, name))
            elif name in names:
                fail('%s: two fields are both named %s' % (title, name))
            names.append(name)
        check_names_follow_the_item(title, window)
    expected = EXPECTED.get(title)
    if expected is not None and sorted(names) != sorted(expected):
        fail('%s: names %s, expected %s' % (title, names, expected))
    seen_names[title] = names
    press(find(window, 'push button', '閉じる'))
    wait_for(title + ' to close', lambda: not window_titled(app, lambda t: t == title))


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    program, version = sys.argv[1], sys.argv[2]
    global LOGO, TITLE
    LOGO, TITLE = LOGO % version, TITLE % version
    signal.signal(signal.SIGALRM, on_alarm)
    signal.alarm(HARD_TIMEOUT)
    # Become the reaper of whatever the buses start, so that nothing outlives the test.
    ctypes.CDLL(None, use_errno=True).prctl(36, 1, 0, 0, 0)  # PR_SET_CHILD_SUBREAPER

    runtime = tempfile.TemporaryDirectory(prefix='sekivo-atspi-')
    os.environ.pop('AT_SPI_BUS_ADDRESS', None)
    os.environ['XDG_RUNTIME_DIR'] = runtime.name
    os.environ['DISPLAY'] = start_x_server()
    os.environ['DBUS_SESSION_BUS_ADDRESS'] = start_session_bus()
    os.environ['NO_AT_BRIDGE'] = '0'

    global pyatspi
    import pyatspi  # after the buses exist: the client connects through them

    # XDG_CONFIG_HOME: what the program keeps between runs goes to the scratch folder, not to
    # the user's settings.
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1', QT_QPA_PLATFORM='xcb',
               LANG='C.UTF-8', LC_ALL='C.UTF-8', XDG_CONFIG_HOME=runtime.name)
    sekivo = start([program], env=env)
    def running_application():
        if sekivo.poll() is not None:
            raise RuntimeError('the program ended with %d before it showed on the bus'
                               % sekivo.returncode)
        return application()
    app = wait_for('the program on the accessibility bus', running_application)
    main_window = wait_for('the main window', lambda: window_titled(app, lambda t: t == TITLE))

    logo = find(main_window, 'image')
    if logo is None or logo.name != LOGO:
        fail('logo: %r' % (logo.name if logo else None))
    credits = next((n for n in walk(main_window)
                    if n.getRoleName() == 'label' and 'Sekivo ホームページ' in n.name), None)
    if credits is None or not showing(credits):
        fail('credits label with its link text is missing')

    groups = [n for n in main_window[0] if n is not None and n.getRoleName() == 'panel']
    launch = [(b.name, b) for g in groups for b in g if b is not None and b.getRoleName() == 'push button']
    if len(launch) < 16:
        fail('only %d launch buttons found' % len(launch))
    seen = {}
    for caption, button in launch:
        press(button)
        title = wait_for('a dialog for ' + caption,
                         lambda: window_titled(app, lambda t: t.endswith('＞' + caption)))
        check_dialog(app, title.name, [g.name for g in groups], seen)
    for title, names in seen.items():
        print('%s: %s' % (title, ' / '.join(names)))
    print('after choosing the next item: ' + '; '.join(followed))
    if not any(name.endswith('得点させた走者数') for name in followed):
        fail('no count was renamed with its caption 得点させた走者数')

    press(find(main_window, 'push button', '終了'))
    try:
        code = sekivo.wait(WAIT)
    except subprocess.TimeoutExpired:
        fail('the program did not quit on 終了')
    else:
        if code != 0:
            fail('the program exited with %d' % code)


if __name__ == '__main__':
    try:
        main()
    except (Timeout, RuntimeError) as error:
        fail(str(error))
    finally:
        signal.alarm(0)
        stop_everything()
    if failures:
        sys.exit('%d failure(s)' % len(failures))
    print('PASS')
