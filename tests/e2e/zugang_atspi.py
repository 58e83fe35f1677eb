#!/usr/bin/python3
"""A screen reader's view of the running program, read over AT-SPI as Orca reads it: the
query fields are found by their names and give their texts, the level bar its level, and a
wrong answer is announced by a description change of the input field that carries its text.

Arguments: the program's process id, the question on screen and its solution. The program's
window has the keyboard focus."""

import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

FRIST = 20  # seconds for the program to appear on the bus and to answer


def fehler(text):
    sys.exit("FEHLER: " + text)


def knoten(objekt):
    yield objekt
    for i in range(objekt.get_child_count()):
        kind = objekt.get_child_at_index(i)
        if kind is not None:
            yield from knoten(kind)


def benannt(pid):
    """Every visible accessible object of the program by its name."""
    namen = {}
    desktop = Atspi.get_desktop(0)
    for anwendung in (desktop.get_child_at_index(i) for i in range(desktop.get_child_count())):
        if anwendung is not None and anwendung.get_process_id() == pid:
            for objekt in knoten(anwendung):
                if objekt.get_name() and objekt.get_state_set().contains(Atspi.StateType.SHOWING):
                    namen.setdefault(objekt.get_name(), objekt)
    return namen


def warten(bedingung):
    ende = time.monotonic() + FRIST
    while not bedingung() and time.monotonic() < ende:
        time.sleep(0.1)
    return bedingung()


def main():
    pid, frage, loesung = int(sys.argv[1]), sys.argv[2], sys.argv[3]
    Atspi.init()
    # Qt sends only the events someone listens to. Registered first, the listener is known to
    # the program by the time it has answered the questions below.
    erwartet = "Falsch! Richtig wäre gewesen... " + loesung
    gehoert = []
    schleife = GLib.MainLoop()

    def ereignis(e):
        # The text the event carries is what a screen reader speaks, not the property.
        if e.source.get_name() == "Eingabe" and e.any_data == erwartet:
            gehoert.append(e)
            schleife.quit()

    zuhoerer = Atspi.EventListener.new(ereignis)
    zuhoerer.register("object:property-change:accessible-description")

    if not warten(lambda: "Gefragte Vokabel" in benannt(pid)):
        fehler("kein Feld heißt „Gefragte Vokabel“: " + ", ".join(sorted(benannt(pid))))
    namen = benannt(pid)
    for name in ("Gefragte Vokabel", "Eingabe", "Lösung"):
        if name not in namen or namen[name].get_role() != Atspi.Role.TEXT:
            fehler("kein Textfeld heißt „%s“" % name)
    gefragt = namen["Gefragte Vokabel"]
    if Atspi.Text.get_text(gefragt, 0, Atspi.Text.get_character_count(gefragt)) != frage:
        fehler("„Gefragte Vokabel“ liest nicht „%s“" % frage)
    if gefragt.get_state_set().contains(Atspi.StateType.EDITABLE):
        fehler("„Gefragte Vokabel“ ist bearbeitbar")
    if not warten(lambda: namen["Eingabe"].get_state_set().contains(Atspi.StateType.FOCUSED)):
        fehler("„Eingabe“ hat nicht den Fokus")
    if "Stufe 1" not in namen:
        fehler("der Stufenbalken meldet nicht „Stufe 1“")

    # A wrong answer, checked by the program: the verdict comes as a description change of
    # the input field, the event Orca reads out.
    subprocess.run(["xdotool", "type", "--delay", "50", "Maus"], check=True)
    subprocess.run(["xdotool", "key", "F10"], check=True)
    GLib.timeout_add_seconds(FRIST, schleife.quit)
    schleife.run()
    if not gehoert:
        fehler("„%s“ wurde nicht angesagt; „Eingabe“ beschreibt: „%s“"
               % (erwartet, namen["Eingabe"].get_description()))
    print("ok: die Abfragefelder heißen, wie sie heißen, und „Falsch!“ wird angesagt")


main()
